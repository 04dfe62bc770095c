// A sample page for a style sheet: one example element for each simple selector the sheet styles.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "css/css_row_states.h"

namespace tavi {

// The simple selectors a sheet's rules name, each once, in the order they first appear, in the
// sheet's encoding: element names (ASCII letters lower-cased), classes and ids (without their
// "." or "#"). Pseudo-classes, attribute selectors and the keyframe selectors "from", "to" and
// percentages are left out.
struct TCssSimpleSelectors {
    std::vector<std::string> Elements;
    std::vector<std::string> Classes;
    std::vector<std::string> Ids;
};
TCssSimpleSelectors SimpleSelectorsOf(TCssRowStates& states, const TCssRowSource& rows);

// An HTML page (UTF-8) with an example of each selector, holding Japanese and Latin text, and an
// empty <style id="sheet"> element in its head for the sheet's text. `toUtf8` turns a name from
// the sheet's encoding into UTF-8.
std::string SamplePage(const TCssSimpleSelectors& selectors,
                       const std::function<std::string(std::string_view)>& toUtf8);

}  // namespace tavi
