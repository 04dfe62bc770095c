// Find and replace commands: the find bar opened with the selected text as what to find.
#include <string>

#include "app/find_bar.h"
#include "app/main_window.h"
#include "editor/editor.h"
#include "platform/code_page.h"

namespace {

// A selection longer than this is no word to look for.
constexpr long long kLongestSelectionToFind = 1000;

}  // namespace

QString TForm1::SelectionToFind() const
{
    const tavi::TEditorCore& core = ExtMemo1->Core();
    if (!core.Selected() || core.SelLength() > kLongestSelectionToFind)
        return {};
    const std::string text = core.SelText();
    if (text.find_first_of("\r\n") != std::string::npos)
        return {};
    return ExtMemo1->FromDocument(text);
}

void TForm1::Find1Click()
{
    FindBar1->OpenFind(SelectionToFind());
}

void TForm1::Replace1Click()
{
    FindBar1->OpenReplace(SelectionToFind());
}
