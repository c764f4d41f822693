#!/bin/sh
# Modal boxes, file and printer dialogs and the tray icon are reached only through src/platform/.
cd "$(dirname "$0")/.."
found=$(grep -rnE '\b(QMessageBox|QFileDialog|QPrintDialog|QSystemTrayIcon)\b|QApplication::beep' src \
        --include='*.cpp' --include='*.h' | grep -v '^src/platform/' || true)
if [ -n "$found" ]; then
    echo "Raw platform calls outside src/platform/:"
    echo "$found"
    exit 1
fi
echo "platform calls: ok"
