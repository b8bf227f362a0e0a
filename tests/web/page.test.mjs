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
import {after, before, test} from 'node:test';
import {chromiumOptions, launchChromium, layout, openKelvaro, pageUrl, pickElements}
  from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

const measure = (page) => page.evaluate(layout);

test('where the window and its outcome line fit, it is the design\'s, in its colours, centred',
  async () => {
  const page = await openKelvaro(browser);
  const {design, window, outcome, backgrounds} = await page.evaluate(() => {
    const design = JSON.parse(UTF8ToString(_kelvaro_design()));
    const box = (id) => document.getElementById(id).getBoundingClientRect();
    const background = (id) => getComputedStyle(document.getElementById(id).closest('label') ??
      document.getElementById(id)).backgroundColor;
    return {design, window: box('Kelvaro'), outcome: box('outcome'),
      backgrounds: design.controls.map(({id}) => background(id))};
  });
  assert.deepEqual([window.width, window.height], [design.width, design.height]);
  assert.ok(Math.abs(window.left - (800 - design.width) / 2) <= 1 && outcome.bottom <= 600);
  design.controls.forEach((control, i) => {
    if (control.background) assert.equal(backgrounds[i], rgb(control.background), control.id);
  });
  const fits = [design.width, design.height + 40];
  for (const [width, height] of [fits, [fits[0] - 1, fits[1]], [fits[0], fits[1] - 1]]) {
    await page.setViewportSize({width, height});
    assert.equal((await measure(page)).column, width < fits[0] || height < fits[1], `${width}×${height}`);
  }
});

test('on phones every target is at least 44 by 44 pixels and no text under 16', async (t) => {
  for (const width of [320, 360, 390, 412]) {
    const page = await openKelvaro(browser, {viewport: {width, height: 700}, isMobile: true,
      hasTouch: true, deviceScaleFactor: 2});
    const {target, text, sideways, column} = await measure(page);
    t.diagnostic(`${width} px: smallest target ${target.join('×')}, smallest text ${text} px`);
    assert.ok(column && target[0] >= 44 && target[1] >= 44 && text >= 16 && !sideways);
    await page.context().close();
  }
});

// A 1280 by 800 window zoomed: the same CSS pixels at twice and four times the device pixels.
test('zoomed to 200 and 400 %, the text grows as much and the page scrolls only down', async (t) => {
  const lines = [];
  for (const zoom of [1, 2, 4]) {
    const page = await openKelvaro(browser, {viewport: {width: 1280 / zoom, height: 800 / zoom},
      deviceScaleFactor: zoom});
    const {line, sideways, column} = await measure(page);
    lines.push(line);
    assert.ok(!sideways && column === zoom > 1, `at ${zoom * 100} %`);
    await page.context().close();
  }
  t.diagnostic(`a line of text grows ${lines[1] / lines[0]}× and ${lines[2] / lines[0]}×`);
  assert.deepEqual(lines.map((line) => Math.round((line / lines[0]) * 100) / 100), [1, 2, 4]);
});

// Chromium's minimum font size is a setting of the profile, read when it starts.
test('with wider text spacing, or a minimum font size of 24, nothing in the column is clipped',
  async (t) => {
    const profile = mkdtempSync(join(tmpdir(), 'kelvaro-profile-'));
    mkdirSync(join(profile, 'Default'));
    writeFileSync(join(profile, 'Default', 'Preferences'),
      JSON.stringify({webkit: {webprefs: {minimum_font_size: 24}}}));
    const larger = await chromium.launchPersistentContext(profile, {...chromiumOptions,
      viewport: {width: 320, height: 568}});
    const spacing = await browser.newContext({viewport: {width: 320, height: 568}});
    t.after(() => Promise.all([spacing.close(), larger.close().then(() => rmSync(profile,
      {recursive: true}))]));
    await spacing.addInitScript(() => addEventListener('DOMContentLoaded', () => document.head
      .append(Object.assign(document.createElement('style'), {textContent: '* { line-height: 1.5 ' +
        '!important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important } ' +
        'p { margin-bottom: 2em !important }'}))));
    for (const [context, smallest] of [[larger, 24], [spacing, 16]]) {
      const page = await openKelvaro(browser, {}, context);
      await pickElements(page, ['мед', 'цинк']);
      await page.click('#Command1_0');
      assert.deepEqual(await measure(page).then(({clipped, sideways, text}) => [clipped, sideways,
        text]), [[], false, smallest]);
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
      assert.match(await shown.textContent(), line); // and only it: one line, no window
      assert.equal(await page.isVisible('#Kelvaro'), false);
      assert.deepEqual(errors, []);
      await context.close();
    }
  });

test('the one file stays within 300 KB, and 120 KB gzipped', () => {
  const file = readFileSync(fileURLToPath(pageUrl));
  assert.ok(file.length <= 300 * 1024 && gzipSync(file, {level: 9}).length <= 120 * 1024);
});
