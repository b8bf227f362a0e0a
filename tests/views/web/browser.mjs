// Debian's browsers as the page's tests, benchmark and screenshots drive them, headless: Chromium
// and Firefox ESR through playwright-core, WebKitGTK through its WebDriver (webkit.mjs).
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {describe as nodeDescribe, test as nodeTest} from 'node:test';
import {chromium, firefox} from 'playwright-core';
import {launchWebKit} from './webkit.mjs';

// The page under test: $KELVARO_PAGE, or the one the web preset builds.
export const pageUrl = pathToFileURL(
  resolve(process.env.KELVARO_PAGE ?? 'build-web/views/web/kelvaro.html')).href;
export const wide = {viewport: {width: 800, height: 600}};
export const phone = {viewport: {width: 390, height: 844}, isMobile: true, hasTouch: true,
  deviceScaleFactor: 2};
// Node's test and suite, bounded: a hung browser would otherwise hold them for ever.
const bounded = {timeout: 180_000};
export const test = (name, fn) => nodeTest(name, bounded, fn);
export const describe = (name, fn) => nodeDescribe(name, bounded, fn);

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
// the elements whose text does not fit in them; whether the controls flow for touch; and what
// the checks of touchFaults() read.
export function layout() {
  const box = (element) => element.getBoundingClientRect();
  const all = [...document.querySelectorAll('#Kelvaro *')];
  const targets = all.filter((element) => element.matches('.option, [role=option], button'));
  const texts = all.filter((element) => element.matches('textarea') ||
    [...element.childNodes].some((node) => node.nodeType === 3));
  const rem = parseFloat(getComputedStyle(document.documentElement).fontSize) / 16;
  const [frame, window] = [box(document.getElementById('Frame1')), box(document.getElementById('Kelvaro'))];
  const offsets = [...document.querySelectorAll('#Kelvaro [style*="--left"]')].map((element) => {
    const place = (side) => parseFloat(element.style.getPropertyValue(`--${side}`)) * rem;
    const drawn = box(element);
    const container = element.matches('.option') ? frame : window;
    return Math.max(Math.abs(drawn.left - container.left - place('left')),
      Math.abs(drawn.top - container.top - place('top')), Math.abs(drawn.width - place('width')),
      Math.abs(drawn.height - place('height')));
  });
  const textHeight = (element) => {
    const range = document.createRange();
    range.selectNodeContents(element);
    return range.getBoundingClientRect().height;
  };
  // Read in the order shown: never one above and left of the one before, nor left of it on its
  // line. The bar of command buttons stands at the foot of the screen.
  const read = [...document.querySelectorAll('#Label1_0, #Text1_0, .option, #Label1_1, [role=listbox]')]
    .map((element) => [element.id || element.htmlFor, box(element)]);
  const outOfOrder = read.slice(1).filter(([, b], i) => {
    const a = read[i][1];
    return (b.bottom <= a.top + 1 && b.left < a.right - 1) || (b.right <= a.left + 1 && b.top < a.bottom - 1);
  }).map(([id]) => id);
  const [outcome, report] = [box(document.getElementById('outcome')), document.getElementById('Text1_0')];
  return {
    offset: Math.max(...offsets),
    target: [Math.min(...targets.map((t) => box(t).width)), Math.min(...targets.map((t) => box(t).height))],
    stretched: targets.filter((t) => box(t).height > Math.max(44, textHeight(t) + 24) + 1)
      .map((t) => t.id || t.textContent),
    text: Math.min(...texts.map((element) => parseFloat(getComputedStyle(element).fontSize))),
    line: textHeight(document.getElementById('Command1_0')) * devicePixelRatio,
    sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
    clipped: texts.filter((element) => element.clientWidth > 0 &&
      (element.scrollWidth > element.clientWidth + 1 ||
       (!element.matches('textarea') && element.scrollHeight > element.clientHeight + 1)))
      .map((element) => element.id || element.textContent),
    column: getComputedStyle(document.getElementById('Kelvaro')).display === 'flex',
    outOfOrder: document.getElementById('commands').nextElementSibling ? ['commands'] : outOfOrder,
    reportWhole: report.scrollHeight <= report.clientHeight + 1,
    scrolled: scrollY,
    outcome: [outcome.top, outcome.bottom],
    shown: outcome.width > 100 && outcome.height >= 16 && outcome.top >= 0 && outcome.bottom <= innerHeight,
  };
}

// What fails the touch layout's checks, given layout() after a check: a target under 44 by 44
// pixels, text under 16, a control stretched to another's height, a sideways scroll, a
// reading order unlike the shown one, a report not whole, the outcome out of sight.
export function touchFaults({target, stretched, text, sideways, outOfOrder, reportWhole, shown}) {
  return Object.entries({
    target: Math.min(...target) >= 44 || target.join('×'), text: text >= 16 || text,
    stretched: !stretched.length || stretched.join(), sideways: !sideways,
    order: !outOfOrder.length || outOfOrder.join(), report: reportWhole, outcome: shown,
  }).filter(([, passed]) => passed !== true).map(([check, seen]) => `${check}: ${seen}`);
}

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8');

// axe-core's WCAG 2.0, 2.1 and 2.2 A and AA rules on the page as it stands, in a tab or a page
// of playwright's: each violation with the elements it is found on.
export async function axeViolations(tab) {
  await (tab.inject ?? tab.evaluate).call(tab, axeSource);
  return tab.evaluate(() => axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21aa',
    'wcag22aa']}).then(({violations}) => violations.map(({id, nodes}) =>
    `${id}: ${nodes.map((node) => node.target).join(' ')}`)));
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
