// Times the page's start-up in headless Chromium against a floor: from the navigation to the
// mark each page sets when its first check can run, and to its first contentful paint, in runs
// that take the two pages in turn, the first of them each time the other (the second page loaded
// in a run starts faster), fresh contexts each, on a screen of WIDTHxHEIGHT pixels (800x600: the
// window 1:1; 360x640: the phone's touch layout).
// Usage: node bench/web_startup.mjs RUNS WIDTHxHEIGHT PAGE FLOOR
import {pathToFileURL} from 'node:url';
import {resolve} from 'node:path';
import {launchChromium} from '../tests/views/web/browser.mjs';

const [runs, screen, ...pages] = process.argv.slice(2);
const [width, height] = screen.split('x').map(Number);
const urls = pages.map((page) => pathToFileURL(resolve(page)).href);

async function startUp(browser, url) {
  const context = await browser.newContext({viewport: {width, height}});
  const page = await context.newPage();
  await page.goto(url);
  const times = await page.waitForFunction(() => {
    const [ready] = performance.getEntriesByName('kelvaro-ready');
    const [paint] = performance.getEntriesByName('first-contentful-paint');
    return ready && paint && {ready: ready.startTime, paint: paint.startTime};
  });
  const {ready, paint} = await times.jsonValue();
  await context.close();
  return {ready, paint};
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const browser = await launchChromium();
const times = urls.map(() => []);
await Promise.all(urls.map((url) => startUp(browser, url))); // warms the browser's caches
for (let run = 0; run < Number(runs); ++run) {
  const order = run % 2 ? [1, 0] : [0, 1];
  for (const i of order) times[i].push(await startUp(browser, urls[i]));
}
await browser.close();

for (const measure of ['ready', 'paint']) {
  const [page, floor] = times.map((runs) => median(runs.map((run) => run[measure])));
  const paired = median(times[0].map((run, i) => run[measure] / times[1][i][measure]));
  console.log(`${screen} ${measure === 'ready' ? 'ready' : 'first contentful paint'}: page ` +
    `${page.toFixed(1)} ms, floor ${floor.toFixed(1)} ms, ${paired.toFixed(2)} paired`);
}
