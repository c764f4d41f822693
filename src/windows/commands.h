#pragma once

namespace win
{

// The commands of a questionnaire window that live in the rooms above this one (saving and
// generating, opening, printing). The application wires one implementation per model.
class SchedaCommands
{
public:
    virtual ~SchedaCommands() = default;
    // Save (genera false) or validate and generate (genera true). True when a file was written.
    virtual bool salvaScheda(bool genera) = 0;
    virtual void apriScheda() = 0;
    virtual void stampaScheda() = 0;
};

} // namespace win
