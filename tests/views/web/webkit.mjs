// WebKitGTK's MiniBrowser driven through Debian's WebKitWebDriver over WebDriver classic, with
// Node's own fetch, on a virtual X display of its own: MiniBrowser has no headless mode.
import {spawn} from 'node:child_process';
import {existsSync, mkdtempSync, mkdirSync, readdirSync, readFileSync, readlinkSync, rmSync,
  writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// Debian puts it under the machine's own library folder: x86_64-linux-gnu, aarch64-linux-gnu, ...
const miniBrowser = process.env.KELVARO_MINIBROWSER ?? readdirSync('/usr/lib')
  .map((folder) => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`).find(existsSync);
const elementKey = 'element-6066-11e4-a52e-4f735466cecf';
const keyCodes = {Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Space: '\uE00D', End: '\uE010',
  Home: '\uE011', ArrowUp: '\uE013', ArrowDown: '\uE015'};

const pause = (milliseconds) => new Promise((wait) => setTimeout(wait, milliseconds));

// The port that process `pid` listens on, as the system tells it; 0 while it listens on none.
function listeningPort(pid) {
  const sockets = new Set();
  try {
    for (const fd of readdirSync(`/proc/${pid}/fd`)) {
      const link = readlinkSync(`/proc/${pid}/fd/${fd}`);
      if (link.startsWith('socket:[')) sockets.add(link.slice(8, -1));
    }
  } catch {
    return 0; // not started yet, or gone
  }
  // sl local_address rem_address st ... inode: a listening socket is in state 0A.
  const listening = readFileSync('/proc/net/tcp', 'utf8').split('\n').slice(1)
    .map((line) => line.trim().split(/\s+/)).find((f) => f[3] === '0A' && sockets.has(f[9]));
  return listening ? parseInt(listening[1].split(':')[1], 16) : 0;
}

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
  for (let tries = 0; !(await evaluate(() => performance.getEntriesByName('kelvaro-ready').length));
    ++tries) {
    if (tries === 1000) throw new Error('the page was not ready in 10 s');
    await pause(10);
  }
  const keys = (names) => names.map((name) => keyCodes[name]);
  return {
    // Brought to the middle of the screen first, as a user scrolls to what they click: WebDriver
    // takes a row under the bar at the screen's foot for seen, and its click for intercepted.
    click: async (selector) => {
      await evaluate((css) => document.querySelector(css).scrollIntoView({block: 'center'}), selector);
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
  // Port 0: the system gives the driver a free port, which no other process can take first.
  const driver = spawn('WebKitWebDriver', ['--port=0'], {stdio: 'ignore',
    env: {...process.env, DISPLAY: display, XDG_CONFIG_HOME: settings}});
  let port = 0;
  for (let tries = 0; !port; ++tries) {
    if (tries === 100 || driver.exitCode !== null) throw new Error('WebKitWebDriver did not start');
    await pause(50);
    port = listeningPort(driver.pid);
  }
  const base = `http://127.0.0.1:${port}`;
  return {
    open: (options) => openTab(base, url, options),
    close: () => {
      driver.kill();
      xvfb.kill();
      rmSync(settings, {recursive: true, force: true});
    },
  };
}
