// The page's view of Kelvaro, run before the WebAssembly core starts. Like the Qt and Windows
// windows it builds the controls in one loop over the design that the core gives, shows the
// core's view state, setting only what changed, and feeds the user's input back; what the window
// shows and says is all the core's.
'use strict';

if (typeof WebAssembly !== 'object') document.getElementById('no-wasm').hidden = false;

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
  list: (control) => {
    const input = element('select', {size: control.items.length});
    input.append(...control.items.map((item) => element('option', {text: item})));
    return {box: input, input, named: input, showPick: (row) => (input.selectedIndex = row)};
  },
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

function place(shown, control) {
  const target = shown.input || shown.box;
  target.id = control.id;
  const style = shown.box.style;
  for (const side of ['left', 'top', 'width', 'height']) style[side] = control[side] + 'px';
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

// Scales the window down to a viewport narrower than it, so that all of it stays in reach.
function fit(windowBox, width) {
  const scale = Math.min(1, document.documentElement.clientWidth / width);
  windowBox.style.zoom = scale < 1 ? String(scale) : '';
}

// Feeds the user's input on one control into the core, then shows the state it leads to.
function connectInput(shown, kind, position, showState, announcer) {
  const input = shown.input;
  if (kind === 'list') {
    input.addEventListener('change', () => {
      _kelvaro_pick(position, input.selectedIndex);
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
      // A new node each time, so that the same sentence twice is spoken twice.
      announcer.replaceChildren(element('p', {textContent: sentence}));
    });
  }
}

function styleWindow(windowBox, design) {
  document.title = design.title;
  Object.assign(windowBox.style, {
    width: design.width + 'px',
    height: design.height + 'px',
    backgroundColor: design.background,
    color: design.color,
    fontSize: design.font.points + 'pt',
  });
  windowBox.style.setProperty('--face', JSON.stringify(design.font.family));
}

function startKelvaro() {
  const design = fromCore(_kelvaro_design());
  const windowBox = document.getElementById('Kelvaro');
  styleWindow(windowBox, design);
  const announcer = document.getElementById('announcer');
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
    (control.inFrame ? frame : windowBox).append(shown.box);
    if (control.kind === 'frame') frame = shown.box;
    controls.push(shown);
    connectInput(shown, control.kind, position, showState, announcer);
  });
  showState();
  fit(windowBox, design.width);
  addEventListener('resize', () => fit(windowBox, design.width));
  windowBox.hidden = false;
  controls[design.focus].input.focus();
  performance.mark('kelvaro-ready');
}
