// The page's view of Kelvaro, run before the WebAssembly core starts. The page's markup, written by
// the core, shows the window at start; this script shows each later view state of the core,
// setting only what changed, and feeds the user's input back, as the Qt and Windows windows do:
// what the window shows and says is all the core's. Where the controls sit is the style sheet's.
// The build runs it only where the browser has WebAssembly (KelvaroWebPage.cmake).

Module['onRuntimeInitialized'] = startKelvaro;
Module['wasmBinary'] = fromBase64(document.getElementById('wasm').textContent);
// The window, which the markup shows, takes the focus while the core compiles in the background:
// where the design puts it, without scrolling the page away from its top.
queueMicrotask(() => document.getElementById(document.getElementById('Kelvaro').dataset.focus)
  .focus({preventScroll: true}));

function fromBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  return Uint8Array.from(atob(text), (character) => character.charCodeAt(0));
}

function fromCore(text) {
  return JSON.parse(UTF8ToString(text));
}

function setAttribute(target, attribute, value) {
  if (value) target.setAttribute(attribute, value);
  else target.removeAttribute(attribute);
}

// The row that a key picks in a list whose row `picked` is picked (-1: none): the arrows, Home
// and End, or a letter, the next element that starts with it; -1 for any other key.
function rowForKey(key, rows, picked) {
  const last = rows.length - 1;
  const moves = {
    ArrowDown: () => (picked < 0 ? 0 : Math.min(picked + 1, last)),
    ArrowUp: () => Math.max(picked - 1, 0),
    Home: () => 0,
    End: () => last,
  };
  if (moves[key]) return moves[key]();
  for (let step = 1; key.length === 1 && step <= rows.length; ++step) {
    const row = (picked + step + rows.length) % rows.length;
    if (rows[row].textContent.startsWith(key.toLocaleLowerCase('bg'))) return row;
  }
  return -1;
}

// An element list, a list box of the markup's: one Tab stop; a click, a tap or a key picks.
function listBox(input) {
  const rows = [...input.querySelectorAll('[role=option]')];
  let picked = rows.findIndex((row) => row.getAttribute('aria-selected') === 'true');
  const showPick = (row) => {
    if (picked >= 0) rows[picked].setAttribute('aria-selected', 'false');
    picked = row;
    setAttribute(input, 'aria-activedescendant', row >= 0 ? rows[row].id : '');
    if (row < 0) return;
    rows[row].setAttribute('aria-selected', 'true');
    rows[row].scrollIntoView({block: 'nearest'});
  };
  // Hands the row that the user's click or key picks to `pick` (see connectInput).
  const onPick = (pick) => {
    input.addEventListener('click', (event) => {
      const row = rows.indexOf(event.target.closest('[role=option]'));
      if (row >= 0) pick(row);
    });
    input.addEventListener('keydown', (event) => {
      const row = rowForKey(event.key, rows, picked);
      if (row < 0 || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      pick(row);
    });
  };
  // Its name is shown over it, and names it.
  const caption = document.getElementById(input.getAttribute('aria-labelledby'));
  return {input, showPick, onPick, showName: (name) => (caption.textContent = name)};
}

// Where a browser cannot size a box to its content, the report box is given its text's height,
// which the style sheet uses where the report grows with its text.
function fitReport(box) {
  if (CSS.supports('field-sizing', 'content')) return () => {};
  const fit = () => {
    box.style.setProperty('--fit', 'auto');
    box.style.setProperty('--fit', `${box.scrollHeight + box.offsetHeight - box.clientHeight}px`);
  };
  addEventListener('resize', fit);
  fit();
  return fit;
}

// One element of the markup as this script shows it: `input` takes the focus and the user's
// input, `named` carries the name and description, and the show functions that its kind has show
// its text, its check mark and its pick.
function shownControl(element) {
  const nothing = () => {};
  const shown = {input: element, named: element, showText: nothing, showChecked: nothing,
    showPick: nothing};
  if (element.matches('[role=listbox]')) return Object.assign(shown, listBox(element));
  if (element.matches('textarea')) {
    const fit = fitReport(element);
    shown.showText = (text, fromFirstLine) => {
      element.value = text;
      if (fromFirstLine) {
        element.setSelectionRange(0, 0);
        element.scrollTop = 0;
      }
      fit();
    };
  } else if (element.matches('fieldset')) {
    shown.showText = (text) => (element.querySelector('legend').textContent = text);
  } else if (element.matches('[type=radio]')) {
    shown.showText = (text) => (element.nextElementSibling.textContent = text);
    shown.showChecked = (checked) => (element.checked = checked);
  } else {
    shown.showText = (text) => (element.textContent = text);
  }
  return shown;
}

// Shows one control's view, setting only what differs from the view shown before.
function showView(shown, view, before) {
  if (view.text !== before.text) shown.showText(view.text, view.fromFirstLine);
  if (view.checked !== before.checked) shown.showChecked(view.checked);
  if (view.pick !== before.pick) shown.showPick(view.pick);
  if (shown.showName) {
    if (view.name !== before.name) shown.showName(view.name);
  } else if (view.name !== before.name || view.text !== before.text) {
    // Where the element shows its name, its content names it; else the name is set apart.
    setAttribute(shown.named, 'aria-label', view.name === view.text ? '' : view.name);
  }
  if (view.description !== before.description) {
    setAttribute(shown.named, 'aria-description', view.description);
  }
  if (view.tabStop !== before.tabStop) shown.input.tabIndex = view.tabStop ? 0 : -1;
}

// Feeds the user's input on one control into the core through `update` (see startKelvaro).
function connectInput(shown, position, update, outcome) {
  const input = shown.input;
  if (shown.onPick) {
    shown.onPick((row) => {
      input.focus();
      update(() => _kelvaro_pick(position, row));
    });
  } else if (input.matches('[type=radio]')) {
    input.addEventListener('change', () => update(() => _kelvaro_select(position)));
  } else if (input.matches('button')) {
    input.addEventListener('click', () => {
      const sentence = update(() => UTF8ToString(_kelvaro_press(position)));
      // Seen, and heard: a new node each time, so that the same sentence twice is said twice.
      outcome.replaceChildren(Object.assign(document.createElement('span'), {textContent: sentence}));
      outcome.scrollIntoView({block: 'nearest'}); // in the bar at the screen's foot it is already
    });
  }
}

function startKelvaro() {
  // The shown controls in the core's order, as the markup names them.
  const ids = document.getElementById('Kelvaro').dataset.controls.split(' ');
  const controls = ids.map((id) => shownControl(document.getElementById(id)));
  // The view state shown, which the markup holds at start: the core is asked for it when the user
  // first acts, not while the page starts.
  let views = null;
  // Runs the user's `input` in the core, shows the state it leads to, and gives input's result.
  const update = (input) => {
    views ??= fromCore(_kelvaro_view());
    const result = input();
    const state = fromCore(_kelvaro_view());
    state.forEach((view, i) => showView(controls[i], view, views[i]));
    views = state;
    return result;
  };
  const outcome = document.getElementById('outcome');
  controls.forEach((shown, position) => {
    connectInput(shown, position, update, outcome);
    // An alloy button the user selected while the core was starting.
    if (shown.input.checked) shown.input.dispatchEvent(new Event('change'));
  });
  performance.mark('kelvaro-ready');
}
