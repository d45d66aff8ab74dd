#include "ui/web/dom.h"

#include <cstdlib>
#include <string>

// The functions of the page's script library dom.js. A string crosses as a pointer and a byte
// count; one coming back is allocated with malloc there and freed by its caller here.
extern "C" {
void kolvex_dom_create_window(const char* title, int titleLength, int width, int height);
void kolvex_dom_set_fonts(const char* window, int windowLength, double windowPoints, const char* caption,
                          int captionLength, double captionPoints);
void kolvex_dom_set_language(const char* tag, int tagLength);
void kolvex_dom_create_frame(const char* name, int nameLength, const char* container, int containerLength,
                             const char* caption, int captionLength);
void kolvex_dom_create_option(const char* name, int nameLength, const char* container, int containerLength,
                              const char* group, int groupLength, int element, const char* caption, int captionLength);
void kolvex_dom_create_list(const char* name, int nameLength, const char* container, int containerLength,
                            const char* entries, int entriesLength);
void kolvex_dom_create_label(const char* name, int nameLength, const char* container, int containerLength,
                             const char* list, int listLength, const char* caption, int captionLength);
void kolvex_dom_create_button(const char* name, int nameLength, const char* container, int containerLength,
                              const char* caption, int captionLength);
void kolvex_dom_create_text_box(const char* name, int nameLength, const char* container, int containerLength);
void kolvex_dom_create_menu(const char* name, int nameLength, const char* items, int itemsLength, const char* caption,
                            int captionLength, const char* texts, int textsLength);
void kolvex_dom_create_message_box();
void kolvex_dom_place(const char* name, int nameLength, int left, int top, int width, int height, int stack);
void kolvex_dom_set_tab_index(const char* name, int nameLength, int index);
void kolvex_dom_bind_event(const char* name, int nameLength, int event, int element);
void kolvex_dom_set_enabled(const char* name, int nameLength, bool enabled);
void kolvex_dom_set_visible(const char* name, int nameLength, bool visible);
void kolvex_dom_set_caption(const char* name, int nameLength, const char* caption, int captionLength);
void kolvex_dom_fit_caption(const char* name, int nameLength, int narrowestPercent);
int kolvex_dom_selected_index(const char* name, int nameLength);
char* kolvex_dom_selected_text(const char* name, int nameLength);
void kolvex_dom_set_entry_text(const char* name, int nameLength, int entry, const char* text, int textLength);
void kolvex_dom_set_text(const char* name, int nameLength, const char* text, int textLength);
void kolvex_dom_set_accessible_name(const char* name, int nameLength, const char* text, int textLength);
void kolvex_dom_show_message(const char* title, int titleLength, const char* text, int textLength);
char* kolvex_dom_decimal_separator();
void kolvex_dom_show_window(const char* family, int familyLength, const std::uint8_t* data, int size, const char* focus,
                            int focusLength);
}

namespace {

int length(std::string_view text) {
    return static_cast<int>(text.size());
}

std::string taken(char* text) {
    std::string copy(text);
    std::free(text);
    return copy;
}

} // namespace

namespace ui::web::dom {

void createWindow(std::string_view title, int clientWidth, int clientHeight) {
    kolvex_dom_create_window(title.data(), length(title), clientWidth, clientHeight);
}

void setFonts(std::string_view windowFamilies, double windowPoints, std::string_view captionFamilies,
              double captionPoints) {
    kolvex_dom_set_fonts(windowFamilies.data(), length(windowFamilies), windowPoints, captionFamilies.data(),
                         length(captionFamilies), captionPoints);
}

void setLanguage(std::string_view tag) {
    kolvex_dom_set_language(tag.data(), length(tag));
}

void createFrame(std::string_view name, std::string_view container, std::string_view caption) {
    kolvex_dom_create_frame(name.data(), length(name), container.data(), length(container), caption.data(),
                            length(caption));
}

void createOption(std::string_view name, std::string_view container, std::string_view group, int element,
                  std::string_view caption) {
    kolvex_dom_create_option(name.data(), length(name), container.data(), length(container), group.data(),
                             length(group), element, caption.data(), length(caption));
}

void createList(std::string_view name, std::string_view container, std::string_view entries) {
    kolvex_dom_create_list(name.data(), length(name), container.data(), length(container), entries.data(),
                           length(entries));
}

void createLabel(std::string_view name, std::string_view container, std::string_view list, std::string_view caption) {
    kolvex_dom_create_label(name.data(), length(name), container.data(), length(container), list.data(), length(list),
                            caption.data(), length(caption));
}

void createButton(std::string_view name, std::string_view container, std::string_view caption) {
    kolvex_dom_create_button(name.data(), length(name), container.data(), length(container), caption.data(),
                             length(caption));
}

void createTextBox(std::string_view name, std::string_view container) {
    kolvex_dom_create_text_box(name.data(), length(name), container.data(), length(container));
}

void createMenu(std::string_view name, std::string_view items, std::string_view caption, std::string_view texts) {
    kolvex_dom_create_menu(name.data(), length(name), items.data(), length(items), caption.data(), length(caption),
                           texts.data(), length(texts));
}

void createMessageBox() {
    kolvex_dom_create_message_box();
}

void place(std::string_view name, int left, int top, int width, int height, int stack) {
    kolvex_dom_place(name.data(), length(name), left, top, width, height, stack);
}

void setTabIndex(std::string_view name, int index) {
    kolvex_dom_set_tab_index(name.data(), length(name), index);
}

void bindEvent(std::string_view name, int event, int element) {
    kolvex_dom_bind_event(name.data(), length(name), event, element);
}

void bindArray(std::string_view array, int count, int event) {
    for (int i = 0; i < count; ++i) {
        bindEvent(std::string(array) + "_" + std::to_string(i), event, i);
    }
}

void setEnabled(std::string_view name, bool enabled) {
    kolvex_dom_set_enabled(name.data(), length(name), enabled);
}

void setVisible(std::string_view name, bool visible) {
    kolvex_dom_set_visible(name.data(), length(name), visible);
}

void setCaption(std::string_view name, std::string_view caption) {
    kolvex_dom_set_caption(name.data(), length(name), caption.data(), length(caption));
}

void fitCaption(std::string_view name, int narrowestPercent) {
    kolvex_dom_fit_caption(name.data(), length(name), narrowestPercent);
}

int selectedIndex(std::string_view list) {
    return kolvex_dom_selected_index(list.data(), length(list));
}

std::string selectedText(std::string_view list) {
    return taken(kolvex_dom_selected_text(list.data(), length(list)));
}

void setEntryText(std::string_view list, int entry, std::string_view text) {
    kolvex_dom_set_entry_text(list.data(), length(list), entry, text.data(), length(text));
}

void setText(std::string_view textBox, std::string_view text) {
    kolvex_dom_set_text(textBox.data(), length(textBox), text.data(), length(text));
}

void setAccessibleName(std::string_view name, std::string_view accessibleName) {
    kolvex_dom_set_accessible_name(name.data(), length(name), accessibleName.data(), length(accessibleName));
}

void showMessage(std::string_view title, std::string_view text) {
    kolvex_dom_show_message(title.data(), length(title), text.data(), length(text));
}

std::string decimalSeparator() {
    return taken(kolvex_dom_decimal_separator());
}

void showWindow(std::string_view fontFamily, std::span<const std::uint8_t> fontData, std::string_view firstFocus) {
    kolvex_dom_show_window(fontFamily.data(), length(fontFamily), fontData.data(), static_cast<int>(fontData.size()),
                           firstFocus.data(), length(firstFocus));
}

} // namespace ui::web::dom
