#pragma once

// Shared set-up of the window tests: a model module on the scripted platform, and commands
// that stand in for saving, opening and printing.
#include "contents.h"
#include "platform/scriptedplatform.h"
#include "questionnaire/indices.h"
#include "windows/commands.h"
#include "windows/controls.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QList>
#include <QTest>
#include <memory>

// Fails the test at once, naming them, when scripted boxes went wrong (the platform's end would
// report them too, later and far from the cause).
#define VERIFY_NO_FAILURES_OF(p) QVERIFY2((p).failures.isEmpty(), qPrintable((p).failures.join(u'\n')))
#define VERIFY_NO_FAILURES(fixture) VERIFY_NO_FAILURES_OF((fixture).platform)

namespace testing
{

// The scripted platform of a test: a box or dialog nobody expected, or one left waiting, fails
// the running test when the platform goes.
class Scripted : public platform::ScriptedPlatform
{
public:
    using ScriptedPlatform::ScriptedPlatform;
    ~Scripted() override;
};

// Saving as a test wants it to end.
enum class SaveOutcome { Written, Cancelled, Failed };

class FakeCommands : public win::SchedaCommands
{
public:
    explicit FakeCommands(win::ModelModule &module) : module_(module) {}

    bool salvaScheda(bool genera) override;
    void apriScheda() override { ++opens; }
    // Printing ends, as the print command does, with the recorded tab position set to 1.
    void stampaScheda() override
    {
        ++prints;
        module_.setUltimoTabIndex(1);
    }

    SaveOutcome outcome = SaveOutcome::Written;
    QList<bool> saves; // the generate option of every save
    int opens = 0;
    int prints = 0;
    bool exitPendingDuringSave = false;

private:
    win::ModelModule &module_;
};

// One model's module and window on scripted dialogs.
struct Fixture {
    explicit Fixture(qst::Modello m, bool trayAvailable = true);
    ~Fixture();

    Scripted platform;
    std::unique_ptr<win::ModelModule> module;
    std::unique_ptr<FakeCommands> commands;
    win::QuestionnaireWindow &window() { return module->window(); }
    const qst::ModelState &state() const { return module->state(); }
};

// Shows the window and makes it the active one, so that focus and keys reach its controls.
bool activate(QWidget &w);

// Button `b` of a window's button bar; null where the window has none.
QPushButton *button(const win::CommandControls &c, qst::CommandButton b);
// Whether the window's "Leggi" is enabled: an edit disables it until the next save or read.
bool leggiEnabled(win::QuestionnaireWindow &w);

} // namespace testing
