// Kelvaro's page as one file in Chromium: its colours, its sizes on phones, at high zoom, with
// larger spacing and a minimum font size, what it loads, what it says where the browser lacks
// what it needs, and how big it is.
import assert from 'node:assert/strict';
import {mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';
import {chromium} from 'playwright-core';
import {after, before} from 'node:test';
import {axeViolations, chromiumOptions, launchChromium, layout, openKelvaro, pageUrl, pickElements,
  test, touchFaults} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

const measure = (page) => page.evaluate(layout);

const designColours = {Kelvaro: 'rgb(192, 192, 255)', Label1_0: 'rgb(255, 192, 128)',
  Option1_9: 'rgb(255, 255, 192)', Command1_0: 'rgb(128, 255, 128)', Command1_1: 'rgb(255, 0, 0)'};
test('with a mouse, where the window and its outcome line fit, it is the design\'s, in its colours, centred',
  async () => {
  const page = await openKelvaro(browser);
  const {design, window, outcome, colours} = await page.evaluate((ids) => {
    const style = document.getElementById('Kelvaro').style;
    const box = (id) => document.getElementById(id).getBoundingClientRect();
    return {design: ['--width', '--height'].map((side) => Number(style.getPropertyValue(side))),
      window: box('Kelvaro'), outcome: box('outcome'), colours: ids.map((id) => getComputedStyle(
        document.getElementById(id).closest('label') ?? document.getElementById(id)).backgroundColor)};
  }, Object.keys(designColours));
  assert.deepEqual(colours, Object.values(designColours));
  assert.deepEqual([window.width, window.height], design);
  assert.ok(Math.abs(window.left - (800 - design[0]) / 2) <= 1 && outcome.bottom <= 600);
  const fits = [design[0], design[1] + 40];
  for (const [width, height] of [fits, [fits[0] - 1, fits[1]], [fits[0], fits[1] - 1]]) {
    await page.setViewportSize({width, height});
    assert.equal((await measure(page)).column, width < fits[0] || height < fits[1], `${width}×${height}`);
  }
});

// Phones upright and on their side, and tablets, tapped: the check in the bar at the screen's foot.
const touchScreens = [[320, 568], [360, 640], [375, 667], [390, 844], [412, 915], [430, 932],
  [440, 956], [568, 320], [844, 390], [932, 430], [600, 960], [768, 1024], [1024, 768], [820, 1180],
  [1180, 820], [1024, 1366], [1366, 1024]];
test('by touch on every phone and tablet, both ways up, the page opens at its top and holds',
  async (t) => {
    for (const [width, height] of touchScreens) {
      const page = await openKelvaro(browser, {viewport: {width, height}, isMobile: true,
        hasTouch: true});
      const opened = await page.evaluate(() => scrollY);
      await pickElements(page, ['мед', 'цинк'], 'tap');
      await page.tap('#Command1_0');
      const measured = await measure(page);
      t.diagnostic(`${width}×${height}: smallest target ${measured.target.join('×')}, opened at ` +
        `${opened}, the outcome at ${measured.outcome.map(Math.round).join('–')} of ${height}`);
      assert.deepEqual([opened, measured.column, ...touchFaults(measured)], [0, true],
        `${width}×${height}`);
      await page.context().close();
    }
  });

// WCAG's contrast of two computed colours, rgb(r, g, b).
function contrast(...colours) {
  const [a, b] = colours.map((colour) => colour.match(/[\d.]+/g).slice(0, 3).map((channel) => {
    const c = channel / 255;
    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  })).map(([r, g, b]) => 0.2126 * r + 0.7152 * g + 0.0722 * b).sort((x, y) => y - x);
  return (a + 0.05) / (b + 0.05);
}

test('in the light, dark and forced-colour schemes a focused list and its pick stand out',
  async () => {
    for (const scheme of [{colorScheme: 'light'}, {colorScheme: 'dark'}, {forcedColors: 'active'}]) {
      const page = await openKelvaro(browser, scheme);
      for (const key of ['Tab', 'Tab', 'ArrowDown']) await page.keyboard.press(key);
      const [ring, pick] = await page.evaluate(() => {
        const [list, window] = [document.activeElement, document.getElementById('Kelvaro')];
        const row = getComputedStyle(list.querySelector('[aria-selected=true]'));
        return [[getComputedStyle(list).outlineColor, getComputedStyle(window).backgroundColor],
          [row.color, row.backgroundColor]];
      });
      const seen = [contrast(...ring) >= 3, contrast(...pick) >= 4.5, await axeViolations(page)];
      assert.deepEqual(seen, [true, true, []], `${JSON.stringify(scheme)}: ${ring} ${pick}`);
      await page.context().close();
    }
  });

// A 1280 by 800 window zoomed: the same CSS pixels at twice and four times the device pixels.
test('zoomed to 200 and 400 %, the text grows as much, the page scrolls only down, the outcome is seen', async (t) => {
  const lines = [];
  for (const zoom of [1, 2, 4]) {
    const page = await openKelvaro(browser, {viewport: {width: 1280 / zoom, height: 800 / zoom},
      deviceScaleFactor: zoom});
    await pickElements(page, ['мед', 'цинк']);
    await page.click('#Command1_0');
    const {line, sideways, column, shown} = await measure(page);
    lines.push(line);
    assert.ok(!sideways && shown && column === zoom > 1, `at ${zoom * 100} %`);
    await page.context().close();
  }
  t.diagnostic(`a line of text grows ${lines[1] / lines[0]}× and ${lines[2] / lines[0]}×`);
  assert.deepEqual(lines.map((line) => Math.round((line / lines[0]) * 100) / 100), [1, 2, 4]);
});

// Chromium's font sizes are settings of the profile, read when it starts. A larger default size
// enlarges the window 1:1 as much; a larger minimum takes the touch layout on a phone.
test('with wider text spacing, a minimum or a default font size of 24, nothing is clipped',
  async (t) => {
    const profiles = [];
    const withFonts = async (webprefs, viewport) => {
      const profile = mkdtempSync(join(tmpdir(), 'kelvaro-profile-'));
      profiles.push(profile);
      mkdirSync(join(profile, 'Default'));
      writeFileSync(join(profile, 'Default', 'Preferences'), JSON.stringify({webkit: {webprefs}}));
      return chromium.launchPersistentContext(profile, {...chromiumOptions, viewport});
    };
    const phoneSize = {width: 320, height: 568};
    const contexts = [await withFonts({minimum_font_size: 24}, phoneSize),
      await withFonts({default_font_size: 24}, {width: 1280, height: 800}),
      await browser.newContext({viewport: phoneSize})];
    t.after(() => Promise.all(contexts.map((context) => context.close())).then(() =>
      profiles.forEach((profile) => rmSync(profile, {recursive: true}))));
    await contexts[2].addInitScript(() => addEventListener('DOMContentLoaded', () => document.head
      .append(Object.assign(document.createElement('style'), {textContent: '* { line-height: 1.5 ' +
        '!important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important } ' +
        'p { margin-bottom: 2em !important }'}))));
    for (const [context, smallest, column] of [[contexts[0], 24, true], [contexts[1], 24, false],
      [contexts[2], 16, true]]) {
      const page = await openKelvaro(browser, {}, context);
      await pickElements(page, ['мед', 'цинк']);
      await page.click('#Command1_0');
      assert.deepEqual(await measure(page).then((m) => [m.clipped, m.sideways, m.text, m.column,
        m.column || m.offset <= 1]), [[], false, smallest, column, true]);
    }
  });

test('from the disk or a web server the page asks for nothing more and logs no error', async (t) => {
  const file = readFileSync(fileURLToPath(pageUrl));
  const server = createServer((request, response) => response.end(file));
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  t.after(() => server.close());
  for (const url of [pageUrl, `http://127.0.0.1:${server.address().port}/kelvaro.html`]) {
    const [requests, errors] = [[], []];
    const context = await browser.newContext();
    context.on('request', (request) => requests.push(request.url()));
    context.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    context.on('weberror', (error) => errors.push(error.error().message));
    const page = await openKelvaro(browser, {url}, context);
    await pickElements(page, ['желязо', 'въглерод']);
    await page.click('#Command1_0');
    assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта стомана/);
    assert.deepEqual(requests, [url]);
    assert.deepEqual(errors, []);
    assert.match(await page.getAttribute('link[rel=icon]', 'href'), /^data:image\/svg\+xml,/);
    await context.close();
  }
});

test('without JavaScript or WebAssembly the page says so in Bulgarian, and nothing fails',
  async () => {
    const withoutWebAssembly = () => delete globalThis.WebAssembly;
    for (const [options, init, line] of [
      [{javaScriptEnabled: false}, null, /^Kelvaro работи с JavaScript/],
      [{}, withoutWebAssembly, /^Този браузър не поддържа WebAssembly/]]) {
      const context = await browser.newContext(options);
      const errors = [];
      context.on('weberror', (error) => errors.push(error.error().message));
      if (init) await context.addInitScript(init);
      const page = await context.newPage();
      await page.goto(pageUrl);
      const shown = page.locator('.missing').filter({visible: true});
      assert.match(await shown.textContent(), line); // and only it, over the exercise it shows
      assert.equal(await page.isVisible('#Kelvaro'), true);
      assert.deepEqual(errors, []);
      await context.close();
    }
  });

// The JSON's two sides: the core writes each view state, the script reads `view.…` of each.
test('the view state\'s JSON holds each field the script reads, and no other', async () => {
  const script = readFileSync('views/web/view.js', 'utf8');
  const read = [...new Set([...script.matchAll(/\bview\.(\w+)/g)].map(([, key]) => key))];
  const page = await openKelvaro(browser);
  const written = await page.evaluate(() => JSON.parse(UTF8ToString(_kelvaro_view()))
    .map((view) => Object.keys(view).sort().join()));
  assert.deepEqual([...new Set(written)], [read.sort().join()]);
  await page.context().close();
});

test('the one file stays within 300 KB, and 120 KB gzipped', () => {
  const file = readFileSync(fileURLToPath(pageUrl));
  assert.ok(file.length <= 300 * 1024 && gzipSync(file, {level: 9}).length <= 120 * 1024);
});
