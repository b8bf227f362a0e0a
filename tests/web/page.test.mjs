// Kelvaro's page as one file: where its controls sit, on a phone too, what it loads, what it
// says where the browser lacks what it needs, and how big it is.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';
import {after, before, test} from 'node:test';
import {launchChromium, openKelvaro, pageUrl, phone, pickElements} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

// The design as the core gives it, and each control's drawn box within its container.
const measure = (page) => page.evaluate(() => {
  const design = JSON.parse(UTF8ToString(_kelvaro_design()));
  const boxOf = (id) => document.getElementById(id).closest('label') ?? document.getElementById(id);
  const place = (element) => element.getBoundingClientRect();
  const [windowBox, frameBox] = [place(document.getElementById('Kelvaro')), place(boxOf('Frame1'))];
  return {design, windowBox, boxes: design.controls.map(({id, inFrame}) => {
    const {left, top, right, bottom, width, height} = place(boxOf(id));
    const container = inFrame ? frameBox : windowBox;
    return {left: left - container.left, top: top - container.top, width, height, right, bottom,
      background: getComputedStyle(boxOf(id)).backgroundColor};
  })};
});

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

test('every control sits at its place in the design, in its colours, the window centred', async () => {
  const page = await openKelvaro(browser);
  const {design, windowBox, boxes} = await measure(page);
  assert.deepEqual([windowBox.width, windowBox.height], [design.width, design.height]);
  assert.ok(Math.abs(windowBox.left - (800 - design.width) / 2) <= 1);
  assert.ok(Math.abs(windowBox.top - (600 - design.height) / 2) <= 1);
  design.controls.forEach((control, i) => {
    for (const side of ['left', 'top', 'width', 'height']) {
      assert.ok(Math.abs(boxes[i][side] - control[side]) <= 1,
        `${control.id} ${side}: ${boxes[i][side]}, designed ${control[side]}`);
    }
    if (control.background) assert.equal(boxes[i].background, rgb(control.background));
  });
  await page.context().close();
});

test('on a phone the whole window fits the screen and answers taps', async () => {
  const page = await openKelvaro(browser, phone);
  const {design, boxes} = await measure(page);
  design.controls.forEach((control, i) => {
    const {left, top, right, bottom} = boxes[i];
    assert.ok(left >= 0 && top >= 0 && right <= 360 && bottom <= 640, control.id);
  });
  await page.tap('label[for=Option1_3]');
  assert.equal(await page.isChecked('#Option1_3'), true);
  await pickElements(page, ['мед', 'цинк'], 'tap');
  await page.tap('#Command1_0');
  assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта месинг/);
  await page.context().close();
});

test('from the disk or a web server the page asks for nothing more and logs no error', async () => {
  const file = readFileSync(fileURLToPath(pageUrl));
  const server = createServer((request, response) => response.end(file));
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
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
  server.close();
});

test('without JavaScript or WebAssembly the page says so in Bulgarian', async () => {
  const withoutWebAssembly = () => delete globalThis.WebAssembly;
  for (const [options, init, line] of [
    [{javaScriptEnabled: false}, null, /^Kelvaro работи с JavaScript/],
    [{}, withoutWebAssembly, /^Този браузър не поддържа WebAssembly/]]) {
    const context = await browser.newContext(options);
    if (init) await context.addInitScript(init);
    const page = await context.newPage();
    await page.goto(pageUrl);
    const shown = page.locator('.missing').filter({visible: true});
    assert.match(await shown.textContent(), line); // and only it: one line, no window
    assert.equal(await page.isVisible('#Kelvaro'), false);
    await context.close();
  }
});

test('the one file stays within 300 KB, and 120 KB gzipped', () => {
  const file = readFileSync(fileURLToPath(pageUrl));
  assert.ok(file.length <= 300 * 1024 && gzipSync(file, {level: 9}).length <= 120 * 1024);
});
