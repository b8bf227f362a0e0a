// Times the page's start-up in headless Chromium against a floor: from the navigation to the
// mark each page sets when its first check can run, in alternating runs, fresh contexts each, on
// a screen of WIDTHxHEIGHT pixels (800x600: the window 1:1; 360x640: the phone's column).
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
  const ready = await page.waitForFunction(
    () => performance.getEntriesByName('kelvaro-ready')[0]?.startTime);
  const milliseconds = await ready.jsonValue();
  await context.close();
  return milliseconds;
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
  for (const [i, url] of urls.entries()) times[i].push(await startUp(browser, url));
}
await browser.close();

for (const [i, name] of pages.entries()) {
  const sorted = [...times[i]].sort((a, b) => a - b);
  console.log(`${name}: median ${median(sorted).toFixed(1)} ms, ` +
    `min ${sorted[0].toFixed(1)}, max ${sorted.at(-1).toFixed(1)} over ${sorted.length} runs`);
}
const [page, floor] = times.map(median);
const paired = median(times[0].map((time, run) => time / times[1][run]));
console.log(`${screen}: page / floor: ${(page / floor).toFixed(2)} of the medians, ` +
  `${paired.toFixed(2)} paired`);
