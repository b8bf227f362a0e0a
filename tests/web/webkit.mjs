// WebKitGTK's MiniBrowser driven through Debian's WebKitWebDriver over WebDriver classic, with
// Node's own fetch, on a virtual X display of its own: MiniBrowser has no headless mode.
import {spawn} from 'node:child_process';
import {mkdtempSync, mkdirSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const elementKey = 'element-6066-11e4-a52e-4f735466cecf';
const keyCodes = {Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Space: '\uE00D', End: '\uE010',
  Home: '\uE011', ArrowUp: '\uE013', ArrowDown: '\uE015'};

const freePort = () => new Promise((resolve) => {
  const server = createServer().listen(0, '127.0.0.1', () => {
    const {port} = server.address();
    server.close(() => resolve(port));
  });
});

// Xvfb tells the display it took on the descriptor it is given: no two runs pick the same one.
function startDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    {stdio: ['ignore', 'pipe', 'ignore']});
  return new Promise((resolve, reject) => {
    xvfb.stdout.once('data', (data) => resolve({xvfb, display: `:${String(data).trim()}`}));
    xvfb.once('error', reject);
    xvfb.once('exit', (code) => reject(new Error(`Xvfb ended with ${code} before it had a display`)));
  });
}

async function call(base, method, path, body) {
  const response = await fetch(base + path, {method, body: body && JSON.stringify(body),
    headers: {'Content-Type': 'application/json'}, signal: AbortSignal.timeout(30000)});
  const {value} = await response.json();
  if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
  return value;
}

// One MiniBrowser window on the page at `viewport`, as the shared flows use a tab.
async function openTab(base, url, {viewport}) {
  const {sessionId} = await call(base, 'POST', '/session', {capabilities: {alwaysMatch: {
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': {binary: miniBrowser, args: ['--automation']}}}});
  const session = (method, path, body) => call(base, method, `/session/${sessionId}${path}`, body);
  const evaluate = (fn, argument) =>
    session('POST', '/execute/sync', {script: `return (${fn})(arguments[0])`, args: [argument]});
  // The window is the page's viewport and MiniBrowser's toolbar.
  const [width, height] = await evaluate(() => [outerWidth - innerWidth, outerHeight - innerHeight]);
  await session('POST', '/window/rect', {width: viewport.width + width,
    height: viewport.height + height});
  const shown = await evaluate(() => [innerWidth, innerHeight]);
  if (`${shown}` !== `${[viewport.width, viewport.height]}`) {
    throw new Error(`MiniBrowser shows ${shown.join('×')} pixels, not the viewport asked for`);
  }
  await session('POST', '/url', {url});
  await evaluate(() => new Promise((ready) => {
    const poll = () => (performance.getEntriesByName('kelvaro-ready').length ? ready() :
      setTimeout(poll, 10));
    poll();
  }));
  const keys = (names) => names.map((name) => keyCodes[name]);
  return {
    click: async (selector) => {
      const found = await session('POST', '/element', {using: 'css selector', value: selector});
      await session('POST', `/element/${found[elementKey]}/click`, {});
    },
    press: (chord) => {
      const down = keys(chord.split('+')).map((value) => ({type: 'keyDown', value}));
      const up = down.map(({value}) => ({type: 'keyUp', value})).reverse();
      return session('POST', '/actions', {actions: [{type: 'key', id: 'keyboard',
        actions: [...down, ...up]}]});
    },
    evaluate,
    inject: (script) => session('POST', '/execute/sync', {script, args: []}),
    close: () => session('DELETE', ''),
  };
}

export async function launchWebKit(url) {
  const {xvfb, display} = await startDisplay();
  // Without a style that lets its widgets shrink, MiniBrowser stays at least 447 pixels wide.
  const settings = mkdtempSync(join(tmpdir(), 'kelvaro-webkit-'));
  mkdirSync(join(settings, 'gtk-3.0'));
  writeFileSync(join(settings, 'gtk-3.0', 'gtk.css'),
    '* { min-width: 0; min-height: 0; margin: 0; padding: 0; }\n');
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore',
    env: {...process.env, DISPLAY: display, XDG_CONFIG_HOME: settings}});
  const base = `http://127.0.0.1:${port}`;
  for (let tries = 0; !(await fetch(`${base}/status`).then(() => true, () => false)); ++tries) {
    if (tries === 100) throw new Error('WebKitWebDriver did not start');
    await new Promise((wait) => setTimeout(wait, 50));
  }
  return {
    open: (options) => openTab(base, url, options),
    close: () => {
      driver.kill();
      xvfb.kill();
      rmSync(settings, {recursive: true, force: true});
    },
  };
}
