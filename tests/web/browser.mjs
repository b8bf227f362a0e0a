// Debian's browsers as the page's tests, benchmark and screenshots drive them, headless: Chromium
// and Firefox ESR through playwright-core, WebKitGTK through its WebDriver (webkit.mjs).
import {resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {chromium, firefox} from 'playwright-core';
import {launchWebKit} from './webkit.mjs';

// The page under test: $KELVARO_PAGE, or the one the web preset builds.
export const pageUrl = pathToFileURL(
  resolve(process.env.KELVARO_PAGE ?? 'build-web/window/web/kelvaro.html')).href;
export const wide = {viewport: {width: 800, height: 600}};
export const phone = {viewport: {width: 360, height: 640}, isMobile: true, hasTouch: true,
  deviceScaleFactor: 2};

// Without the background services' flags Chromium keeps trying connections that a closed network
// refuses.
export const chromiumOptions = {
  executablePath: process.env.KELVARO_CHROMIUM ?? '/usr/lib/chromium/chromium',
  headless: true,
  chromiumSandbox: false,
  args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
};

// Playwright starts it with a new empty profile of its own.
export function launchChromium(options = {}) {
  return chromium.launch({...chromiumOptions, ...options});
}

// Opens the page in a context, new by default, and waits until its first check can run.
export async function openKelvaro(browser, options = {}, context = undefined) {
  context ??= await browser.newContext({...wide, ...options});
  const page = await context.newPage();
  await page.goto(options.url ?? pageUrl);
  await page.waitForFunction(() => performance.getEntriesByName('kelvaro-ready').length > 0);
  return page;
}

// Picks the elements in the lists in turn, with a click or a tap on each row.
export async function pickElements(page, elements, how = 'click') {
  for (const [i, element] of elements.entries()) {
    await page.locator(`#List1_${i + 1}`).getByRole('option', {name: element, exact: true})[how]();
  }
}

// What the page's layout is, measured in the page: how far any control is from its place in the
// design, where the window is exact; the narrowest and the lowest target and the smallest text,
// in CSS pixels; a line of text's height in device pixels; whether the page scrolls sideways;
// the elements whose text does not fit in them; whether the controls stand in the column; and
// whether the sentence after a command is there to be seen.
export function layout() {
  const box = (element) => element.getBoundingClientRect();
  const all = [...document.querySelectorAll('#Kelvaro *')];
  const targets = all.filter((element) => element.matches('.option, [role=option], button')).map(box);
  const texts = all.filter((element) => element.matches('textarea') ||
    [...element.childNodes].some((node) => node.nodeType === 3));
  const design = JSON.parse(UTF8ToString(_kelvaro_design()));
  const [frame, window] = [box(document.getElementById('Frame1')), box(document.getElementById('Kelvaro'))];
  const offsets = design.controls.map(({id, inFrame, left, top, width, height}) => {
    const drawn = box(document.getElementById(id).closest('label') ?? document.getElementById(id));
    const container = inFrame ? frame : window;
    return Math.max(Math.abs(drawn.left - container.left - left), Math.abs(drawn.top - container.top - top),
      Math.abs(drawn.width - width), Math.abs(drawn.height - height));
  });
  const line = document.createRange();
  line.selectNodeContents(document.getElementById('Command1_0'));
  const outcome = box(document.getElementById('outcome'));
  return {
    offset: Math.max(...offsets),
    target: [Math.min(...targets.map((b) => b.width)), Math.min(...targets.map((b) => b.height))],
    text: Math.min(...texts.map((element) => parseFloat(getComputedStyle(element).fontSize))),
    line: line.getBoundingClientRect().height * devicePixelRatio,
    sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
    clipped: texts.filter((element) => element.clientWidth > 0 &&
      (element.scrollWidth > element.clientWidth + 1 ||
       (!element.matches('textarea') && element.scrollHeight > element.clientHeight + 1)))
      .map((element) => element.id || element.textContent),
    column: getComputedStyle(document.getElementById('Kelvaro')).display === 'flex',
    shown: outcome.width > 100 && outcome.height >= 16,
  };
}

// A tab of one engine, as the flows that run in every engine use it. Chromium taps where the
// screen takes touch; Firefox and WebKit emulate none.
function playwrightTab(page, touch) {
  return {
    click: (selector) => (touch ? page.tap(selector) : page.click(selector)),
    press: (key) => page.keyboard.press(key),
    evaluate: (fn, argument) => page.evaluate(fn, argument),
    inject: (script) => page.evaluate(script),
    close: () => page.context().close(),
  };
}

// One tab at a time: opening the next closes the last, whether its test passed or not.
function oneTabAtATime(browser) {
  let tab = null;
  return {
    open: async (options) => {
      await tab?.close();
      return (tab = await browser.open(options));
    },
    close: async () => {
      await tab?.close();
      await browser.close();
    },
  };
}

// Each engine: launch() gives a browser whose open(options) gives a tab on the page, ready.
export const engines = {
  chromium: async () => {
    const browser = await launchChromium();
    return oneTabAtATime({
      open: async (options) => playwrightTab(await openKelvaro(browser, options), options.hasTouch),
      close: () => browser.close(),
    });
  },
  firefox: async () => {
    const browser = await firefox.launch({channel: 'moz-firefox', headless: true,
      executablePath: process.env.KELVARO_FIREFOX ?? '/usr/lib/firefox-esr/firefox-esr'});
    return oneTabAtATime({
      open: async ({viewport}) => playwrightTab(await openKelvaro(browser, {viewport}), false),
      close: () => browser.close(),
    });
  },
  webkit: async () => oneTabAtATime(await launchWebKit(pageUrl)),
};
