// The page's own script: it passes each event on a control to the form inside the module and does
// nothing else with it. Every control the module built carries its number in data-event; a
// Language item carries the Language event's number there and its index in data-element.
// Besides, the Language menu gets the keyboard use of a desktop menu bar, which a page does not
// have by itself.

// A click reaches the form for an option button (also the one already chosen, and when the
// arrow keys choose it), a button and a Language item; a list reports a new choice.
document.addEventListener('click', function (event) {
  var control = event.target.closest('[data-event]');
  if (control && control.tagName != 'SELECT') {
    _kolvex_event(Number(control.dataset.event), Number(control.dataset.element));
  }
});
document.addEventListener('change', function (event) {
  var control = event.target;
  if (control.tagName == 'SELECT' && control.dataset.event) {
    _kolvex_event(Number(control.dataset.event), 0);
  }
});

addOnPostRun(function () {
  // A row caption whose room changes (the page went narrow or wide) is fitted again.
  var resized = new ResizeObserver(function () { _kolvex_layout_changed(); });
  document.querySelectorAll('.row-caption').forEach(function (caption) { resized.observe(caption); });

  var button = document.querySelector('[aria-haspopup="menu"]');
  var menu = document.getElementById(button.getAttribute('popovertarget'));
  var items = Array.from(menu.querySelectorAll('[role="menuitem"]'));
  var returnTo = null;

  // Like a desktop menu bar, the menu leaves the focus where it was until an item is chosen.
  button.addEventListener('mousedown', function (event) { event.preventDefault(); });
  menu.addEventListener('beforetoggle', function (event) {
    var open = event.newState == 'open';
    button.setAttribute('aria-expanded', String(open));
    if (open) {
      var below = button.getBoundingClientRect();
      menu.style.left = below.left + 'px';
      menu.style.top = below.bottom + 'px';
      returnTo = document.activeElement;
    }
  });
  menu.addEventListener('toggle', function (event) {
    // The toggle event comes a task later: a key pressed since the menu opened by keyboard has
    // already moved the focus within it, and keeps it there.
    if (event.newState == 'open') {
      if (!menu.contains(document.activeElement)) {
        items[0].focus();
      }
    } else if (returnTo && returnTo != document.body && returnTo.isConnected) {
      returnTo.focus();
    }
  });
  menu.addEventListener('click', function (event) {
    if (event.target.closest('[role="menuitem"]')) {
      menu.hidePopover();
    }
  });
  menu.addEventListener('keydown', function (event) {
    var at = items.indexOf(document.activeElement);
    var to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1 }[event.key];
    if (to !== undefined) {
      event.preventDefault();
      items[(to + items.length) % items.length].focus();
    }
  });
  // Alt and the menu's access key, or F10, open the menu, as on the desktop; again, close it.
  document.addEventListener('keydown', function (event) {
    var key = button.dataset.accessKey;
    var accessKey = event.altKey && !event.ctrlKey && !event.metaKey && key && event.code == 'Key' + key.toUpperCase();
    var f10 = event.key == 'F10' && !event.altKey && !event.ctrlKey && !event.shiftKey;
    if ((accessKey || f10) && !document.querySelector('dialog[open]')) {
      event.preventDefault();
      if (menu.togglePopover()) {
        items[0].focus();
      }
    }
  });
});
