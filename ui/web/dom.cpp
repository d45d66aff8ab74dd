#include "ui/web/dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

// Every string crosses as a pointer and a byte count; a string coming back is allocated with
// malloc here and freed by its caller below. An element's control is the element itself, or for
// an option button the radio inside its label.

EM_JS(void, jsCreateWindow, (const char* title, int titleLength, int width, int height), {
    var text = UTF8ToString(title, titleLength);
    document.title = text;
    var root = document.createElement('main');
    root.id = 'Form1';
    root.className = 'window';
    root.hidden = true;
    var bar = document.createElement('h1');
    bar.className = 'title-bar';
    bar.lang = 'en';
    bar.textContent = text;
    var client = document.createElement('div');
    client.id = 'ClientArea';
    client.className = 'client';
    client.style.setProperty('--width', width + 'px');
    client.style.setProperty('--height', height + 'px');
    root.append(bar, client);
    document.body.prepend(root);
});

EM_JS(void, jsSetFonts,
      (const char* window, int windowLength, double windowPoints, const char* caption, int captionLength,
       double captionPoints),
      {
          var style = document.getElementById('Form1').style;
          style.setProperty('--window-font', UTF8ToString(window, windowLength));
          style.setProperty('--window-size', windowPoints + 'pt');
          style.setProperty('--caption-font', UTF8ToString(caption, captionLength));
          style.setProperty('--caption-size', captionPoints + 'pt');
      });

EM_JS(void, jsSetLanguage, (const char* tag, int tagLength),
      { document.documentElement.lang = UTF8ToString(tag, tagLength); });

EM_JS(void, jsAppend,
      (const char* container, int containerLength, const char* name, int nameLength, int kind, const char* caption,
       int captionLength, const char* extra, int extraLength, int element),
      {
          var id = UTF8ToString(name, nameLength);
          var text = UTF8ToString(caption, captionLength);
          var more = UTF8ToString(extra, extraLength);
          var node;
          if (kind == 0) {
              node = document.createElement('div');
              node.setAttribute('role', 'group');
              node.className = 'frame';
              if (text) {
                  var legend = document.createElement('span');
                  legend.className = 'frame-caption';
                  legend.id = id + '_caption';
                  legend.lang = 'en';
                  legend.textContent = text;
                  node.append(legend);
                  node.setAttribute('aria-labelledby', legend.id);
              }
          } else if (kind == 1) {
              node = document.createElement('label');
              node.className = 'option';
              var radio = document.createElement('input');
              radio.type = 'radio';
              radio.name = more;
              radio.value = element;
              var span = document.createElement('span');
              span.className = 'caption';
              span.textContent = text;
              node.append(radio, span);
          } else if (kind == 2) {
              node = document.createElement('select');
              for (var entry of more.split('\n')) {
                  var option = document.createElement('option');
                  option.textContent = entry;
                  node.append(option);
              }
              node.selectedIndex = -1;
          } else if (kind == 3) {
              node = document.createElement('label');
              node.className = 'row-caption';
              node.htmlFor = more;
              node.textContent = text;
          } else if (kind == 4) {
              node = document.createElement('button');
              node.type = 'button';
              node.textContent = text;
          } else {
              node = document.createElement('textarea');
              node.spellcheck = false;
          }
          node.id = id;
          node.classList.add('control');
          document.getElementById(UTF8ToString(container, containerLength)).append(node);
      });

EM_JS(void, jsCreateMenu,
      (const char* name, int nameLength, const char* itemName, int itemNameLength, const char* caption,
       int captionLength, const char* items, int itemsLength),
      {
          var id = UTF8ToString(name, nameLength);
          var itemId = UTF8ToString(itemName, itemNameLength);
          var text = UTF8ToString(caption, captionLength);
          var bar = document.createElement('div');
          bar.className = 'menu-bar';
          bar.lang = 'en';
          var button = document.createElement('button');
          button.type = 'button';
          button.id = id;
          button.setAttribute('aria-haspopup', 'menu');
          button.setAttribute('aria-expanded', 'false');
          button.setAttribute('popovertarget', id + '_items');
          var key = text.indexOf('&');
          var label = text.replace('&', "");
          if (key >= 0) {
              var access = document.createElement('span');
              access.className = 'access-key';
              access.textContent = label.charAt(key);
              button.append(label.slice(0, key), access, label.slice(key + 1));
              button.setAttribute('aria-keyshortcuts', 'Alt+' + label.charAt(key).toUpperCase());
              button.dataset.accessKey = label.charAt(key).toLowerCase();
          } else {
              button.textContent = label;
          }
          var menu = document.createElement('div');
          menu.id = id + '_items';
          menu.className = 'menu';
          menu.popover = 'auto';
          menu.setAttribute('role', 'menu');
          menu.setAttribute('aria-labelledby', id);
          UTF8ToString(items, itemsLength).split('\n').forEach(function(itemText, index) {
              var item = document.createElement('button');
              item.type = 'button';
              item.id = itemId + '_' + index;
              item.setAttribute('role', 'menuitem');
              item.tabIndex = -1;
              item.textContent = itemText;
              menu.append(item);
          });
          bar.append(button, menu);
          document.getElementById('ClientArea').before(bar);
      });

EM_JS(void, jsCreateMessageBox, (), {
    var box = document.createElement('dialog');
    box.id = 'MessageBox';
    box.setAttribute('aria-labelledby', 'MessageBox_title');
    box.setAttribute('aria-describedby', 'MessageBox_text');
    var title = document.createElement('h2');
    title.id = 'MessageBox_title';
    title.className = 'title-bar';
    var text = document.createElement('p');
    text.id = 'MessageBox_text';
    var form = document.createElement('form');
    form.method = 'dialog';
    var ok = document.createElement('button');
    ok.id = 'MessageBox_OK';
    ok.lang = 'en';
    ok.textContent = 'OK';
    ok.autofocus = true;
    form.append(ok);
    box.append(title, text, form);
    document.getElementById('Form1').append(box);
});

EM_JS(void, jsPlace, (const char* name, int nameLength, int left, int top, int width, int height, int stack), {
    var style = document.getElementById(UTF8ToString(name, nameLength)).style;
    style.setProperty('--left', left + 'px');
    style.setProperty('--top', top + 'px');
    style.setProperty('--width', width + 'px');
    style.setProperty('--height', height + 'px');
    style.setProperty('--stack', stack);
});

EM_JS(void, jsSetTabIndex, (const char* name, int nameLength, int index), {
    var node = document.getElementById(UTF8ToString(name, nameLength));
    (node.querySelector('input') || node).tabIndex = index;
});

EM_JS(void, jsBindEvent, (const char* name, int nameLength, int event, int element), {
    var node = document.getElementById(UTF8ToString(name, nameLength));
    var control = node.querySelector('input') || node;
    control.dataset.event = event;
    control.dataset.element = element;
});

EM_JS(void, jsSetEnabled, (const char* name, int nameLength, int enabled), {
    var node = document.getElementById(UTF8ToString(name, nameLength));
    var control = node.querySelector('input') || node;
    if (control instanceof HTMLLabelElement) {
        control.toggleAttribute('data-disabled', !enabled);
    } else {
        control.disabled = !enabled;
    }
});

EM_JS(void, jsSetVisible, (const char* name, int nameLength, int visible),
      { document.getElementById(UTF8ToString(name, nameLength)).hidden = !visible; });

EM_JS(void, jsSetCaption, (const char* name, int nameLength, const char* caption, int captionLength), {
    var node = document.getElementById(UTF8ToString(name, nameLength));
    (node.querySelector('.caption') || node).textContent = UTF8ToString(caption, captionLength);
});

EM_JS(void, jsFitCaption, (const char* name, int nameLength, int narrowest), {
    var node = document.getElementById(UTF8ToString(name, nameLength));
    node.style.removeProperty('--fit');
    var room = node.clientWidth;
    var needed = node.scrollWidth;
    if (room > 0 && needed > room) {
        node.style.setProperty('--fit', Math.max(narrowest / 100, room / needed).toFixed(3));
    }
});

EM_JS(int, jsSelectedIndex, (const char* name, int nameLength),
      { return document.getElementById(UTF8ToString(name, nameLength)).selectedIndex; });

EM_JS(char*, jsSelectedText, (const char* name, int nameLength), {
    var list = document.getElementById(UTF8ToString(name, nameLength));
    var text = list.selectedIndex >= 0 ? list.options[list.selectedIndex].textContent : "";
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(void, jsSetEntryText, (const char* name, int nameLength, int entry, const char* text, int textLength), {
    document.getElementById(UTF8ToString(name, nameLength)).options[entry].textContent = UTF8ToString(text, textLength);
});

EM_JS(void, jsSetText, (const char* name, int nameLength, const char* text, int textLength),
      { document.getElementById(UTF8ToString(name, nameLength)).value = UTF8ToString(text, textLength); });

EM_JS(void, jsSetAccessibleName, (const char* name, int nameLength, const char* text, int textLength), {
    document.getElementById(UTF8ToString(name, nameLength)).setAttribute('aria-label', UTF8ToString(text, textLength));
});

EM_JS(void, jsShowMessage, (const char* title, int titleLength, const char* text, int textLength), {
    document.getElementById('MessageBox_title').textContent = UTF8ToString(title, titleLength);
    document.getElementById('MessageBox_text').textContent = UTF8ToString(text, textLength);
    document.getElementById('MessageBox').showModal();
});

EM_JS(char*, jsDecimalSeparator, (), {
    var part = new Intl.NumberFormat().formatToParts(1.5).find(function(p) { return p.type == 'decimal'; });
    var text = part ? part.value : '.';
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(void, jsShowWindow,
      (const char* family, int familyLength, const std::uint8_t* data, int size, const char* focus, int focusLength), {
          var root = document.getElementById('Form1');
          var first = document.getElementById(UTF8ToString(focus, focusLength));
          var face = new FontFace(UTF8ToString(family, familyLength), HEAPU8.slice(data, data + size));
          document.fonts.add(face);
          face.load().catch(function(){}).then(function() {
              root.hidden = false;
              first.focus();
              root.dataset.ready = Math.round(performance.now());
          });
      });

namespace {

int length(std::string_view text) {
    return static_cast<int>(text.size());
}

std::string taken(char* text) {
    std::string copy(text);
    std::free(text);
    return copy;
}

// The kinds of element jsAppend makes, by the numbers it tells them apart by.
enum Kind { Frame, Option, List, Label, Button, TextBox };

void append(std::string_view container, std::string_view name, Kind kind, std::string_view caption,
            std::string_view extra = {}, int element = 0) {
    jsAppend(container.data(), length(container), name.data(), length(name), kind, caption.data(), length(caption),
             extra.data(), length(extra), element);
}

} // namespace

namespace ui::web::dom {

void createWindow(std::string_view title, int clientWidth, int clientHeight) {
    jsCreateWindow(title.data(), length(title), clientWidth, clientHeight);
}

void setFonts(std::string_view windowFamilies, double windowPoints, std::string_view captionFamilies,
              double captionPoints) {
    jsSetFonts(windowFamilies.data(), length(windowFamilies), windowPoints, captionFamilies.data(),
               length(captionFamilies), captionPoints);
}

void setLanguage(std::string_view tag) {
    jsSetLanguage(tag.data(), length(tag));
}

void createFrame(std::string_view name, std::string_view container, std::string_view caption) {
    append(container, name, Frame, caption);
}

void createOption(std::string_view name, std::string_view container, std::string_view group, int element,
                  std::string_view caption) {
    append(container, name, Option, caption, group, element);
}

void createList(std::string_view name, std::string_view container, std::string_view entries) {
    append(container, name, List, {}, entries);
}

void createLabel(std::string_view name, std::string_view container, std::string_view list, std::string_view caption) {
    append(container, name, Label, caption, list);
}

void createButton(std::string_view name, std::string_view container, std::string_view caption) {
    append(container, name, Button, caption);
}

void createTextBox(std::string_view name, std::string_view container) {
    append(container, name, TextBox, {});
}

void createMenu(std::string_view name, std::string_view items, std::string_view caption, std::string_view texts) {
    jsCreateMenu(name.data(), length(name), items.data(), length(items), caption.data(), length(caption), texts.data(),
                 length(texts));
}

void createMessageBox() {
    jsCreateMessageBox();
}

void place(std::string_view name, int left, int top, int width, int height, int stack) {
    jsPlace(name.data(), length(name), left, top, width, height, stack);
}

void setTabIndex(std::string_view name, int index) {
    jsSetTabIndex(name.data(), length(name), index);
}

void bindEvent(std::string_view name, int event, int element) {
    jsBindEvent(name.data(), length(name), event, element);
}

void bindArray(std::string_view array, int count, int event) {
    for (int i = 0; i < count; ++i) {
        bindEvent(std::string(array) + "_" + std::to_string(i), event, i);
    }
}

void setEnabled(std::string_view name, bool enabled) {
    jsSetEnabled(name.data(), length(name), enabled ? 1 : 0);
}

void setVisible(std::string_view name, bool visible) {
    jsSetVisible(name.data(), length(name), visible ? 1 : 0);
}

void setCaption(std::string_view name, std::string_view caption) {
    jsSetCaption(name.data(), length(name), caption.data(), length(caption));
}

void fitCaption(std::string_view name, int narrowestPercent) {
    jsFitCaption(name.data(), length(name), narrowestPercent);
}

int selectedIndex(std::string_view list) {
    return jsSelectedIndex(list.data(), length(list));
}

std::string selectedText(std::string_view list) {
    return taken(jsSelectedText(list.data(), length(list)));
}

void setEntryText(std::string_view list, int entry, std::string_view text) {
    jsSetEntryText(list.data(), length(list), entry, text.data(), length(text));
}

void setText(std::string_view textBox, std::string_view text) {
    jsSetText(textBox.data(), length(textBox), text.data(), length(text));
}

void setAccessibleName(std::string_view name, std::string_view accessibleName) {
    jsSetAccessibleName(name.data(), length(name), accessibleName.data(), length(accessibleName));
}

void showMessage(std::string_view title, std::string_view text) {
    jsShowMessage(title.data(), length(title), text.data(), length(text));
}

std::string decimalSeparator() {
    return taken(jsDecimalSeparator());
}

void showWindow(std::string_view fontFamily, std::span<const std::uint8_t> fontData, std::string_view firstFocus) {
    jsShowWindow(fontFamily.data(), length(fontFamily), fontData.data(), static_cast<int>(fontData.size()),
                 firstFocus.data(), length(firstFocus));
}

} // namespace ui::web::dom
