// The page's view of Kelvaro, run before the WebAssembly core starts. Like the Qt and Windows
// windows it builds the controls in one loop over the design that the core gives, shows the
// core's view state, setting only what changed, and feeds the user's input back; what the window
// shows and says is all the core's. Where the controls sit is the style sheet's: the design's
// places where the screen holds the window, one column where it does not.
// The build runs it only where the browser has WebAssembly (KelvaroWebPage.cmake).

Module['onRuntimeInitialized'] = startKelvaro;
Module['wasmBinary'] = fromBase64(document.getElementById('wasm').textContent);

function fromBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  return Uint8Array.from(atob(text), (character) => character.charCodeAt(0));
}

function fromCore(text) {
  return JSON.parse(UTF8ToString(text));
}

function element(tag, properties) {
  return Object.assign(document.createElement(tag), properties);
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

// An element list: a list box of its own rather than a `select`, which phones show as a menu
// that hides the elements until it is opened. One Tab stop; a click, a tap or a key picks.
function listBox(control) {
  const input = element('div', {tabIndex: -1});
  input.setAttribute('role', 'listbox');
  const rows = control.items.map((item, row) => {
    const option = element('div', {id: `${control.id}_${row}`, textContent: item});
    option.setAttribute('role', 'option');
    option.setAttribute('aria-selected', 'false');
    return option;
  });
  input.append(...rows);
  let picked = -1;
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
  return {box: input, input, named: input, showPick, onPick};
}

// One shown control: `box` is placed and coloured, `input` takes the focus and the user's input,
// `named` carries the name and description for assistive technology, and the show functions
// that the kind has show its text, its check mark and its pick (see `build`).
const builders = {
  label: () => {
    const box = element('div', {className: 'label'});
    return {box, named: box, showText: (text) => (box.textContent = text)};
  },
  frame: () => {
    const box = element('fieldset');
    const caption = box.appendChild(element('legend'));
    return {box, named: box, showText: (text) => (caption.textContent = text)};
  },
  option: (control) => {
    const input = element('input', {type: 'radio', name: 'Option1'});
    const box = element('label', {className: 'option', htmlFor: control.id});
    const caption = element('span');
    box.append(input, caption);
    return {
      box, input, named: input,
      showText: (text) => (caption.textContent = text),
      showChecked: (checked) => (input.checked = checked),
    };
  },
  list: listBox,
  command: () => {
    const input = element('button', {type: 'button'});
    return {box: input, input, named: input, showText: (text) => (input.textContent = text)};
  },
  text: () => {
    const input = element('textarea', {readOnly: true, spellcheck: false});
    const showText = (text) => {
      input.value = text;
      input.setSelectionRange(0, 0); // a new report is read from its first line
      input.scrollTop = 0;
    };
    return {box: input, input, named: input, showText};
  },
};

function build(control) {
  const nothing = () => {};
  const shown = {showText: nothing, showChecked: nothing, showPick: nothing};
  return Object.assign(shown, builders[control.kind](control));
}

// The design's place, in pixels, for the style sheet to use where the window fits the screen.
function place(shown, control) {
  const target = shown.input || shown.box;
  target.id = control.id;
  const style = shown.box.style;
  for (const side of ['left', 'top', 'width', 'height']) {
    style.setProperty(`--${side}`, control[side] + 'px');
  }
  if (control.background) {
    style.backgroundColor = control.background;
    style.color = control.color;
  }
}

function setAttribute(target, attribute, value) {
  if (value) target.setAttribute(attribute, value);
  else target.removeAttribute(attribute);
}

// Shows one control's view, setting only what differs from the view shown before.
function showView(shown, view, before) {
  if (view.text !== before.text) shown.showText(view.text);
  if (view.checked !== before.checked) shown.showChecked(view.checked);
  if (view.pick !== before.pick) shown.showPick(view.pick);
  if (view.name !== before.name || view.text !== before.text) {
    // Where the element shows its name, its content names it; else the name is set apart.
    setAttribute(shown.named, 'aria-label', view.name === view.text ? '' : view.name);
  }
  if (view.description !== before.description) {
    setAttribute(shown.named, 'aria-description', view.description);
  }
  if (view.tabStop !== before.tabStop && shown.input) shown.input.tabIndex = view.tabStop ? 0 : -1;
}

// Feeds the user's input on one control into the core, then shows the state it leads to.
function connectInput(shown, kind, position, showState, outcome) {
  const input = shown.input;
  if (kind === 'list') {
    shown.onPick((row) => {
      input.focus();
      _kelvaro_pick(position, row);
      showState();
    });
  } else if (kind === 'option') {
    input.addEventListener('change', () => {
      _kelvaro_select(position);
      showState();
    });
  } else if (kind === 'command') {
    input.addEventListener('click', () => {
      const sentence = UTF8ToString(_kelvaro_press(position));
      showState();
      // Seen, and heard: a new node each time, so that the same sentence twice is said twice.
      outcome.replaceChildren(element('span', {textContent: sentence}));
    });
  }
}

function styleWindow(windowBox, design) {
  document.title = design.title;
  Object.assign(windowBox.style, {backgroundColor: design.background, color: design.color});
  const style = windowBox.style;
  style.setProperty('--width', design.width + 'px');
  style.setProperty('--height', design.height + 'px');
  style.setProperty('--points', design.font.points + 'pt');
  style.setProperty('--face', JSON.stringify(design.font.family));
}

function startKelvaro() {
  const design = fromCore(_kelvaro_design());
  const windowBox = document.getElementById('Kelvaro');
  styleWindow(windowBox, design);
  const outcome = document.getElementById('outcome');
  const controls = [];
  let views = design.controls.map(() => ({}));
  const showState = () => {
    const state = fromCore(_kelvaro_view());
    state.forEach((view, i) => showView(controls[i], view, views[i]));
    views = state;
  };
  let frame = null; // the container of the alloy buttons
  design.controls.forEach((control, position) => {
    const shown = build(control);
    place(shown, control);
    if (control.inFrame) frame.append(shown.box);
    else outcome.before(shown.box);
    if (control.kind === 'frame') frame = shown.box;
    controls.push(shown);
    connectInput(shown, control.kind, position, showState, outcome);
  });
  showState();
  windowBox.hidden = false;
  controls[design.focus].input.focus();
  performance.mark('kelvaro-ready');
}
