#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The page's elements as the view needs them, each call one small piece of script. Elements are
// found by their id, which is the control's layout name ("Combo3", "Option2_1", "Count_BTN").
// The window's root is "Form1", its client area kClientArea, the message box "MessageBox".
namespace ui::web::dom {

inline constexpr std::string_view kClientArea = "ClientArea";

// The window: its title (also the page's), the client area's size in CSS pixels and the two fonts,
// each a CSS family list and a size in points.
void createWindow(std::string_view title, int clientWidth, int clientHeight);
void setFonts(std::string_view windowFamilies, double windowPoints, std::string_view captionFamilies,
              double captionPoints);
// The language of the window's texts, as the page's lang attribute.
void setLanguage(std::string_view tag);

// Controls, each appended to `container` (a frame's name, or kClientArea).
void createFrame(std::string_view name, std::string_view container, std::string_view caption);
void createOption(std::string_view name, std::string_view container, std::string_view group, int element,
                  std::string_view caption);
void createList(std::string_view name, std::string_view container, std::string_view entries); // one a line
void createLabel(std::string_view name, std::string_view container, std::string_view list, std::string_view caption);
void createButton(std::string_view name, std::string_view container, std::string_view caption);
void createTextBox(std::string_view name, std::string_view container);
// The menu bar's one menu, `name`, whose items are the control array `items`: "<items>_0" and on,
// with `texts` one a line. `caption` marks its access key with '&'.
void createMenu(std::string_view name, std::string_view items, std::string_view caption, std::string_view texts);
void createMessageBox();

// Where a control sits in the desktop layout, in CSS pixels from its container's corner, and how
// high it lies among its container's children. Narrow screens lay the controls out in a column
// in the order they were created.
void place(std::string_view name, int left, int top, int width, int height, int stack);
void setTabIndex(std::string_view name, int index);
// The page's script passes an event on this element to the module as (event, element).
void bindEvent(std::string_view name, int event, int element);
// The elements of a control array, "<array>_0" to "<array>_<count - 1>", all report `event`.
void bindArray(std::string_view array, int count, int event);

void setEnabled(std::string_view name, bool enabled);
void setVisible(std::string_view name, bool visible);
void setCaption(std::string_view name, std::string_view caption);
// A row caption wider than its label is drawn narrower, as little as it takes and no narrower than
// `narrowestPercent` of its own width.
void fitCaption(std::string_view name, int narrowestPercent);

int selectedIndex(std::string_view list);
std::string selectedText(std::string_view list);
void setEntryText(std::string_view list, int entry, std::string_view text);

void setText(std::string_view textBox, std::string_view text);
void setAccessibleName(std::string_view name, std::string_view accessibleName);

void showMessage(std::string_view title, std::string_view text);
std::string decimalSeparator();

// Shows the window once its font is ready, with the focus on `firstFocus`, and marks the root
// data-ready, with the milliseconds since the page was opened, for whoever waits for a usable form.
void showWindow(std::string_view fontFamily, std::span<const std::uint8_t> fontData, std::string_view firstFocus);

} // namespace ui::web::dom
