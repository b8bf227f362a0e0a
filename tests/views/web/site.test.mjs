// The installable site in Chromium, served from 127.0.0.1 as a web server serves it, in a profile
// of its own (an incognito one cannot install): installable, its service worker keeps every file
// of each new build, and with the network cut a reload still checks.
import assert from 'node:assert/strict';
import {mkdtempSync, readdirSync, readFileSync, rmSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import {extname, join, resolve} from 'node:path';
import {chromium} from 'playwright-core';
import {chromiumOptions, pickElements, test} from './browser.mjs';

const site = resolve(process.env.KELVARO_SITE ?? 'build-web/site');
const types = {'.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json'};
const files = new Map(readdirSync(site).map((name) => [name, readFileSync(join(site, name))]));

// The site's files as most static hosts serve them, to be kept a day; elsewhere an empty page,
// to look into the origin's caches before the site.
async function serve() {
  const server = createServer((request, response) => {
    const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
    if (!files.has(name)) return response.writeHead(404).end('<!doctype html>');
    response.writeHead(200, {'Content-Type': types[extname(name)], 'Cache-Control': 'max-age=86400'});
    response.end(files.get(name));
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  return {server, origin: `http://127.0.0.1:${server.address().port}`};
}

// The width and height a PNG file says it has.
const pngSize = (name) => `${files.get(name).readUInt32BE(16)}x${files.get(name).readUInt32BE(20)}`;

// Each cache of the origin, with the paths it holds.
const cached = (page) => page.evaluate(async () => Promise.all((await caches.keys()).map(
  async (name) => [name, (await (await caches.open(name)).keys())
    .map(({url}) => new URL(url).pathname).sort()])));

test('the site installs, keeps every file of each build and checks without a network', async (t) => {
  const {server, origin} = await serve();
  const profile = mkdtempSync(join(tmpdir(), 'kelvaro-site-'));
  const context = await chromium.launchPersistentContext(profile, chromiumOptions);
  t.after(() => (server.close(), context.close().then(() => rmSync(profile, {recursive: true}))));
  const page = context.pages()[0];
  const [older, another] = [`kelvaro-0.9.0-older ${origin}/`, `kelvaro-1.0.0-a ${origin}/other/`];
  await page.goto(`${origin}/elsewhere`);
  await page.evaluate((names) => Promise.all(names.map((name) => caches.open(name))), [older, another]);
  await page.goto(`${origin}/`);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const session = await context.newCDPSession(page);
  assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);

  // The next build: its worker takes the new page past the HTTP cache, and the older caches go.
  const next = `kelvaro-next ${origin}/`;
  files.set('index.html', Buffer.concat([files.get('index.html'), Buffer.from('<!-- next -->')]));
  files.set('sw.js', Buffer.from(String(files.get('sw.js')).replace(/kelvaro-[^ `]+/, 'kelvaro-next')));
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
  const names = async () => `${await page.evaluate(async () => (await caches.keys()).sort())}`;
  for (let tries = 0; await names() !== `${[another, next].sort()}`; ++tries) {
    assert.ok(tries < 500, 'the older caches go within 10 s');
    await new Promise((wait) => setTimeout(wait, 20));
  }
  const expected = ['/', ...[...files.keys()].filter((name) => name !== 'sw.js').map((name) => `/${name}`)];
  assert.deepEqual(await cached(page), [[another, []], [next, expected.sort()]]);
  const kept = await page.evaluate(async () => (await caches.match('index.html')).text());
  assert.ok(kept.endsWith('<!-- next -->'), 'the cache holds the new build\'s page');

  const manifest = JSON.parse(files.get('manifest.webmanifest'));
  const [title, theme] = await page.evaluate(() => [document.title,
    document.querySelector('meta[name=theme-color]').content]);
  assert.deepEqual([manifest.lang, manifest.start_url, manifest.display, manifest.name,
    manifest.background_color, manifest.theme_color],
  ['bg', '.', 'standalone', title, theme, theme]);
  assert.deepEqual(manifest.icons.map(({src, sizes, purpose}) => [pngSize(src), sizes, purpose]),
    [['192x192', '192x192', undefined], ['512x512', '512x512', undefined],
      ['512x512', '512x512', 'maskable']]);
  const seeThrough = await page.evaluate(async () => {
    const icon = Object.assign(new Image(), {src: 'apple-touch-icon.png'});
    await icon.decode();
    const canvas = new OffscreenCanvas(icon.width, icon.height).getContext('2d');
    canvas.drawImage(icon, 0, 0);
    return canvas.getImageData(0, 0, icon.width, icon.height).data.filter((v, i) => i % 4 === 3 && v < 255).length;
  });
  assert.deepEqual([pngSize('apple-touch-icon.png'), seeThrough], ['180x180', 0], 'iOS\'s icon is opaque');

  await context.setOffline(true);
  server.close();
  assert.ok((await page.reload()).fromServiceWorker());
  await page.waitForFunction(() => performance.getEntriesByName('kelvaro-ready').length > 0);
  await pickElements(page, ['мед', 'цинк']);
  await page.click('#Command1_0');
  assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта месинг/);
});
