// The installable site in Chromium, served from 127.0.0.1 as a web server serves it, in a profile
// of its own (an incognito one cannot install): installable, its service worker keeps every file,
// and with the network cut a reload still checks.
import assert from 'node:assert/strict';
import {mkdtempSync, readdirSync, readFileSync, rmSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import {extname, join, resolve} from 'node:path';
import {chromium} from 'playwright-core';
import {test} from 'node:test';
import {chromiumOptions, pickElements} from './browser.mjs';

const site = resolve(process.env.KELVARO_SITE ?? 'build-web/site');
const types = {'.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json'};
const files = readdirSync(site);

// The site's files, and an empty page of the same origin to look into its caches before the site.
async function serve() {
  const server = createServer((request, response) => {
    const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
    if (!files.includes(name)) return response.writeHead(404).end('<!doctype html>');
    response.writeHead(200, {'Content-Type': types[extname(name)]});
    response.end(readFileSync(join(site, name)));
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  return {server, origin: `http://127.0.0.1:${server.address().port}`};
}

// The width and height a PNG file says it has.
const pngSize = (name) => {
  const png = readFileSync(join(site, name));
  return `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
};

test('the site installs, keeps every file for offline use and checks without a network',
  async () => {
    const {server, origin} = await serve();
    const profile = mkdtempSync(join(tmpdir(), 'kelvaro-site-'));
    const context = await chromium.launchPersistentContext(profile, chromiumOptions);
    const page = context.pages()[0];
    await page.goto(`${origin}/elsewhere`);
    await page.evaluate(() => caches.open('kelvaro-0.9.0-older')); // left by an older build
    await page.goto(`${origin}/`);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);

    const session = await context.newCDPSession(page);
    const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const cached = await page.evaluate(async () => Promise.all((await caches.keys()).map(
      async (name) => [name, (await (await caches.open(name)).keys()).map(({url}) => url)])));
    const current = readFileSync(join(site, 'sw.js'), 'utf8').match(/'(kelvaro-[^']+)'/)[1];
    const expected = ['/', ...files.filter((name) => name !== 'sw.js').map((name) => `/${name}`)];
    assert.deepEqual(cached.map(([name, urls]) => [name, urls.map((url) => new URL(url).pathname)
      .sort()]), [[current, expected.sort()]]);

    const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
    const design = await page.evaluate(() => JSON.parse(UTF8ToString(_kelvaro_design())));
    assert.deepEqual([manifest.lang, manifest.start_url, manifest.display, manifest.name,
      manifest.background_color, manifest.theme_color],
    ['bg', '.', 'standalone', design.title, design.background, design.background]);
    assert.deepEqual(manifest.icons.map(({src, sizes, purpose}) => [pngSize(src), sizes, purpose]),
      [['192x192', '192x192', undefined], ['512x512', '512x512', undefined],
        ['512x512', '512x512', 'maskable']]);

    await context.setOffline(true);
    server.close();
    assert.ok((await page.reload()).fromServiceWorker());
    await page.waitForFunction(() => performance.getEntriesByName('kelvaro-ready').length > 0);
    await pickElements(page, ['мед', 'цинк']);
    await page.click('#Command1_0');
    assert.match(await page.inputValue('#Text1_0'), /^Елементи на сплавта месинг/);
    await context.close();
    rmSync(profile, {recursive: true, force: true});
  });
