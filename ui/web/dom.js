// The page's elements as the module's view reaches them: an emscripten library whose functions
// the module imports, declared for C++ in dom.cpp. Every string comes in as a pointer and a byte
// count; a string going back is copied into memory from malloc, which the caller frees. A
// control is found by its element id, the layout name; for an option button the control is the
// radio inside its label.

mergeInto(LibraryManager.library, {
  $domNode: function (name, length) {
    return document.getElementById(UTF8ToString(name, length));
  },
  $domControl__deps: ['$domNode'],
  $domControl: function (name, length) {
    var node = domNode(name, length);
    return node.querySelector(':scope > input') || node;
  },
  $domReturn: function (text) {
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  },
  // A new element with its id and a class, appended to `container`.
  $domAppend__deps: ['$domNode'],
  $domAppend: function (container, containerLength, name, nameLength, tag, className) {
    var node = document.createElement(tag);
    node.id = UTF8ToString(name, nameLength);
    node.className = className;
    domNode(container, containerLength).append(node);
    return node;
  },

  kolvex_dom_create_window: function (title, titleLength, width, height) {
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
  },

  kolvex_dom_set_fonts: function (window, windowLength, windowPoints, caption, captionLength, captionPoints) {
    var style = document.getElementById('Form1').style;
    style.setProperty('--window-font', UTF8ToString(window, windowLength));
    style.setProperty('--window-size', windowPoints + 'pt');
    style.setProperty('--caption-font', UTF8ToString(caption, captionLength));
    style.setProperty('--caption-size', captionPoints + 'pt');
  },

  kolvex_dom_set_language: function (tag, tagLength) {
    document.documentElement.lang = UTF8ToString(tag, tagLength);
  },

  kolvex_dom_create_frame__deps: ['$domAppend'],
  kolvex_dom_create_frame: function (name, nameLength, container, containerLength, caption, captionLength) {
    var node = domAppend(container, containerLength, name, nameLength, 'div', 'frame control');
    node.setAttribute('role', 'group');
    if (captionLength) {
      var legend = document.createElement('span');
      legend.className = 'frame-caption';
      legend.id = node.id + '_caption';
      legend.lang = 'en';
      legend.textContent = UTF8ToString(caption, captionLength);
      node.append(legend);
      node.setAttribute('aria-labelledby', legend.id);
    }
  },

  kolvex_dom_create_option__deps: ['$domAppend'],
  kolvex_dom_create_option: function (name, nameLength, container, containerLength, group, groupLength, element,
                                      caption, captionLength) {
    var node = domAppend(container, containerLength, name, nameLength, 'label', 'option control');
    var radio = document.createElement('input');
    radio.type = 'radio';
    radio.name = UTF8ToString(group, groupLength);
    radio.value = element;
    var span = document.createElement('span');
    span.className = 'caption';
    span.textContent = UTF8ToString(caption, captionLength);
    node.append(radio, span);
  },

  kolvex_dom_create_list__deps: ['$domAppend'],
  kolvex_dom_create_list: function (name, nameLength, container, containerLength, entries, entriesLength) {
    var node = domAppend(container, containerLength, name, nameLength, 'select', 'control');
    for (var entry of UTF8ToString(entries, entriesLength).split('\n')) {
      var option = document.createElement('option');
      option.textContent = entry;
      node.append(option);
    }
    node.selectedIndex = -1;
  },

  kolvex_dom_create_label__deps: ['$domAppend'],
  kolvex_dom_create_label: function (name, nameLength, container, containerLength, list, listLength, caption,
                                     captionLength) {
    var node = domAppend(container, containerLength, name, nameLength, 'label', 'row-caption control');
    node.htmlFor = UTF8ToString(list, listLength);
    node.textContent = UTF8ToString(caption, captionLength);
  },

  kolvex_dom_create_button__deps: ['$domAppend'],
  kolvex_dom_create_button: function (name, nameLength, container, containerLength, caption, captionLength) {
    var node = domAppend(container, containerLength, name, nameLength, 'button', 'control');
    node.type = 'button';
    node.textContent = UTF8ToString(caption, captionLength);
  },

  kolvex_dom_create_text_box__deps: ['$domAppend'],
  kolvex_dom_create_text_box: function (name, nameLength, container, containerLength) {
    domAppend(container, containerLength, name, nameLength, 'textarea', 'control').spellcheck = false;
  },

  kolvex_dom_create_menu: function (name, nameLength, itemName, itemNameLength, caption, captionLength, items,
                                    itemsLength) {
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
    var label = text.replace('&', '');
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
    UTF8ToString(items, itemsLength).split('\n').forEach(function (itemText, index) {
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
  },

  // At desktop widths the message stands over the middle of the window, as a desktop program's
  // does, inside the screen; a phone's stylesheet centres it on the screen instead.
  $domCentreMessage: function () {
    var box = document.getElementById('MessageBox');
    var form = document.getElementById('Form1').getBoundingClientRect();
    var room = document.documentElement;
    box.style.setProperty('--left', '0px');
    box.style.setProperty('--top', '0px');
    var size = box.getBoundingClientRect();
    var at = function (middle, length, space) {
      return Math.max(0, Math.min(Math.round(middle - length / 2), space - length)) + 'px';
    };
    box.style.setProperty('--left', at((form.left + form.right) / 2, size.width, room.clientWidth));
    box.style.setProperty('--top', at((form.top + form.bottom) / 2, size.height, room.clientHeight));
  },

  kolvex_dom_create_message_box__deps: ['$domCentreMessage'],
  kolvex_dom_create_message_box: function () {
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
    form.append(ok);
    box.append(title, text, form);
    document.getElementById('Form1').append(box);
    addEventListener('resize', function () {
      if (box.open) domCentreMessage();
    });
  },

  kolvex_dom_place__deps: ['$domNode'],
  kolvex_dom_place: function (name, nameLength, left, top, width, height, stack) {
    var style = domNode(name, nameLength).style;
    style.setProperty('--left', left + 'px');
    style.setProperty('--top', top + 'px');
    style.setProperty('--width', width + 'px');
    style.setProperty('--height', height + 'px');
    style.setProperty('--stack', stack);
  },

  kolvex_dom_set_tab_index__deps: ['$domControl'],
  kolvex_dom_set_tab_index: function (name, nameLength, index) {
    domControl(name, nameLength).tabIndex = index;
  },

  kolvex_dom_bind_event__deps: ['$domControl'],
  kolvex_dom_bind_event: function (name, nameLength, event, element) {
    var control = domControl(name, nameLength);
    control.dataset.event = event;
    control.dataset.element = element;
  },

  kolvex_dom_set_enabled__deps: ['$domControl'],
  kolvex_dom_set_enabled: function (name, nameLength, enabled) {
    var control = domControl(name, nameLength);
    if (control instanceof HTMLLabelElement) {
      control.toggleAttribute('data-disabled', !enabled);
    } else {
      control.disabled = !enabled;
    }
  },

  kolvex_dom_set_visible__deps: ['$domNode'],
  kolvex_dom_set_visible: function (name, nameLength, visible) {
    domNode(name, nameLength).hidden = !visible;
  },

  kolvex_dom_set_caption__deps: ['$domNode'],
  kolvex_dom_set_caption: function (name, nameLength, caption, captionLength) {
    var node = domNode(name, nameLength);
    (node.querySelector('.caption') || node).textContent = UTF8ToString(caption, captionLength);
  },

  kolvex_dom_fit_caption__deps: ['$domNode'],
  kolvex_dom_fit_caption: function (name, nameLength, narrowestPercent) {
    var node = domNode(name, nameLength);
    node.style.removeProperty('--fit');
    var room = node.clientWidth;
    var needed = node.scrollWidth;
    if (room > 0 && needed > room) {
      node.style.setProperty('--fit', Math.max(narrowestPercent / 100, room / needed).toFixed(3));
    }
  },

  kolvex_dom_selected_index__deps: ['$domNode'],
  kolvex_dom_selected_index: function (name, nameLength) {
    return domNode(name, nameLength).selectedIndex;
  },

  kolvex_dom_selected_text__deps: ['$domNode', '$domReturn'],
  kolvex_dom_selected_text: function (name, nameLength) {
    var list = domNode(name, nameLength);
    return domReturn(list.selectedIndex >= 0 ? list.options[list.selectedIndex].textContent : '');
  },

  kolvex_dom_set_entry_text__deps: ['$domNode'],
  kolvex_dom_set_entry_text: function (name, nameLength, entry, text, textLength) {
    domNode(name, nameLength).options[entry].textContent = UTF8ToString(text, textLength);
  },

  kolvex_dom_set_text__deps: ['$domNode'],
  kolvex_dom_set_text: function (name, nameLength, text, textLength) {
    domNode(name, nameLength).value = UTF8ToString(text, textLength);
  },

  kolvex_dom_set_accessible_name__deps: ['$domNode'],
  kolvex_dom_set_accessible_name: function (name, nameLength, text, textLength) {
    domNode(name, nameLength).setAttribute('aria-label', UTF8ToString(text, textLength));
  },

  kolvex_dom_show_message__deps: ['$domCentreMessage'],
  kolvex_dom_show_message: function (title, titleLength, text, textLength) {
    document.getElementById('MessageBox_title').textContent = UTF8ToString(title, titleLength);
    document.getElementById('MessageBox_text').textContent = UTF8ToString(text, textLength);
    document.getElementById('MessageBox').showModal();
    domCentreMessage();
    // Focused here rather than by autofocus: an autofocus element in the page from the start
    // asks the browser to focus it at load, which it refuses while Calculate has the focus.
    document.getElementById('MessageBox_OK').focus();
  },

  kolvex_dom_decimal_separator__deps: ['$domReturn'],
  kolvex_dom_decimal_separator: function () {
    var part = new Intl.NumberFormat().formatToParts(1.5).find(function (p) { return p.type == 'decimal'; });
    return domReturn(part ? part.value : '.');
  },

  kolvex_dom_show_window__deps: ['$domControl'],
  kolvex_dom_show_window: function (family, familyLength, data, size, focus, focusLength) {
    var root = document.getElementById('Form1');
    var first = domControl(focus, focusLength);
    var face = new FontFace(UTF8ToString(family, familyLength), HEAPU8.slice(data, data + size));
    document.fonts.add(face);
    face.load().catch(function () {}).then(function () {
      root.hidden = false;
      first.focus();
      root.dataset.ready = Math.round(performance.now());
    });
  },
});
