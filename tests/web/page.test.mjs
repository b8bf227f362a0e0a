// Kelvaro's page as one file: where its controls sit, on a phone too, what it loads, what it
// says where the browser lacks what it needs, and how big it is.
import assert from 'node:assert/strict';
import {readFileSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';
import {after, before, test} from 'node:test';
import {launchChromium, openKelvaro, pageUrl, pickElements} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

// The design as the core gives it, and each control's drawn box within its container.
function measure(page) {
  return page.evaluate(() => {
    const design = JSON.parse(UTF8ToString(_kelvaro_design()));
    const boxOf = (id) => {
      const element = document.getElementById(id);
      return element.type === 'radio' ? element.closest('label') : element;
    };
    const windowBox = document.getElementById('Kelvaro').getBoundingClientRect();
    const frameBox = boxOf('Frame1').getBoundingClientRect();
    return {design, windowBox, boxes: design.controls.map((control) => {
      const box = boxOf(control.id).getBoundingClientRect();
      const container = control.inFrame ? frameBox : windowBox;
      return {left: box.left - container.left, top: box.top - container.top, width: box.width,
        height: box.height, right: box.right, bottom: box.bottom,
        background: getComputedStyle(boxOf(control.id)).backgroundColor};
    })};
  });
}

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

test('every control sits at its place in the design, in its colours, the window centred', async () => {
  const page = await openKelvaro(browser, {viewport: {width: 800, height: 600}});
  const {design, windowBox, boxes} = await measure(page);
  assert.deepEqual([windowBox.width, windowBox.height], [design.width, design.height]);
  assert.ok(Math.abs(windowBox.left - (800 - design.width) / 2) <= 1);
  assert.ok(Math.abs(windowBox.top - (600 - design.height) / 2) <= 1);
  design.controls.forEach((control, i) => {
    for (const side of ['left', 'top', 'width', 'height']) {
      assert.ok(Math.abs(boxes[i][side] - control[side]) <= 1,
        `${control.id} ${side}: ${boxes[i][side]}, designed ${control[side]}`);
    }
    if (control.background) {
      assert.equal(boxes[i].background, rgb(control.background), control.id);
    }
  });
  await page.context().close();
});

test('on a phone the whole window fits the screen and answers taps', async () => {
  const page = await openKelvaro(browser,
    {viewport: {width: 360, height: 640}, isMobile: true, hasTouch: true, deviceScaleFactor: 2});
  const {design, boxes} = await measure(page);
  design.controls.forEach((control, i) => {
    const {left, top, right, bottom} = boxes[i];
    assert.ok(right <= 360 && bottom <= 640 && left >= 0 && top >= 0, control.id);
  });
  await page.tap('label[for=Option1_3]');
  assert.equal(await page.isChecked('#Option1_3'), true);
  for (const [list, element] of [['List1_1', 'мед'], ['List1_2', 'цинк']]) {
    await page.locator(`#${list}`).getByRole('option', {name: element, exact: true}).tap();
  }
  await page.tap('#Command1_0');
  assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта месинг/);
  await page.context().close();
});

// A static web server of the page's folder alone, on this machine's loopback.
async function serve(file) {
  const server = createServer((request, response) => {
    const found = request.url === '/kelvaro.html';
    response.writeHead(found ? 200 : 404, {'content-type': 'text/html; charset=utf-8'});
    response.end(found ? readFileSync(file) : '');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return server;
}

test('opened from the disk or a web server, the page asks for nothing more and logs no error',
  async () => {
    const server = await serve(fileURLToPath(pageUrl));
    const served = `http://127.0.0.1:${server.address().port}/kelvaro.html`;
    for (const url of [pageUrl, served]) {
      const context = await browser.newContext();
      const requests = [];
      const errors = [];
      context.on('request', (request) => requests.push(request.url()));
      const page = await context.newPage();
      page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
      page.on('pageerror', (error) => errors.push(error.message));
      await page.goto(url);
      await page.waitForFunction(() => performance.getEntriesByName('kelvaro-ready').length > 0);
      await pickElements(page, ['желязо', 'въглерод']);
      await page.click('#Command1_0');
      assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта стомана/);
      assert.deepEqual(requests, [url]);
      assert.equal(await page.evaluate(() => document.querySelector('link[rel=icon]').href
        .startsWith('data:image/svg+xml,')), true);
      assert.deepEqual(errors, []);
      await context.close();
    }
    server.close();
  });

test('without JavaScript or WebAssembly the page says so in Bulgarian', async () => {
  const cases = [
    {options: {javaScriptEnabled: false}, line: /^Kelvaro работи с JavaScript/},
    {init: () => delete globalThis.WebAssembly, line: /^Този браузър не поддържа WebAssembly/},
  ];
  for (const {options, init, line} of cases) {
    const context = await browser.newContext(options);
    if (init) await context.addInitScript(init);
    const page = await context.newPage();
    await page.goto(pageUrl);
    const shown = page.locator('.missing').filter({visible: true});
    assert.equal(await shown.count(), 1);
    assert.match(await shown.textContent(), line);
    assert.equal(await page.isVisible('#Kelvaro'), false);
    await context.close();
  }
});

test('the one file stays within 300 KB, and 120 KB gzipped', () => {
  const file = fileURLToPath(pageUrl);
  assert.ok(statSync(file).size <= 300 * 1024);
  assert.ok(gzipSync(readFileSync(file), {level: 9}).length <= 120 * 1024);
});
