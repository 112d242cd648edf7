// The choices of the "Detail Setting" page as rows of the catalogue's tables: the rows the
// page opens with, or those a command line gives instead. A quiet installation reads its
// choices from here instead of from the page.
#pragma once

#include "engine/page_selections.h"

struct PageChoices {
    long modelRow = 0;
    long portRow = 0;          // "LPT1"
    long baudRateRow = 5;      // "19200"
    long byteSizeRow = 3;      // "8"
    long stopBitsRow = 0;      // "1"
    long parityRow = 2;        // "None"
    long flowControlRow = 2;   // "Hardware"
    bool setDefault = false;   // "Set Default Printer"
    // A model was chosen: the name field shows its text, not the initial one.
    bool modelChosen = false;
};

// The Finish work's reads, answered from the choices.
class ChosenSelections final : public PageSelections {
public:
    explicit ChosenSelections(const PageChoices& choices) : m_choices(choices) {}

    long PortRow() override { return m_choices.portRow; }
    long ModelRow() override { return m_choices.modelRow; }
    long SetDefaultCheck() override { return m_choices.setDefault ? kBstChecked : 0; }
    long BaudRateRow() override { return m_choices.baudRateRow; }
    long ParityRow() override { return m_choices.parityRow; }
    long ByteSizeRow() override { return m_choices.byteSizeRow; }
    long StopBitsRow() override { return m_choices.stopBitsRow; }
    long FlowControlRow() override { return m_choices.flowControlRow; }

private:
    const PageChoices& m_choices;
};
