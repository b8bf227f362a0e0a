// Renders the README's pictures of the browser page in headless Chromium, used as a student
// would: the window 1:1 after a check of brass with the mouse, with the sentence under it; and by
// touch, what a phone upright, a phone on its side and a tablet show after a tap on an alloy and
// a check of bronze.
// Usage: node tools/web_screenshots.mjs FOLDER
import {join} from 'node:path';
import {launchChromium, openKelvaro, pickElements} from '../tests/views/web/browser.mjs';

const folder = process.argv[2];
// Scroll bars are shown as a reader's browser shows them.
const browser = await launchChromium({ignoreDefaultArgs: ['--hide-scrollbars']});

const wide = await openKelvaro(browser);
await pickElements(wide, ['мед', 'цинк']);
await wide.click('#Command1_0');
const {x, y, width, height} = await wide.locator('#Kelvaro').boundingBox();
await wide.screenshot({path: join(folder, 'kelvaro-web.png'), clip: {x, y, width, height: height + 40}});

for (const [name, viewport] of [['phone', {width: 390, height: 844}],
  ['phone-landscape', {width: 844, height: 390}], ['tablet', {width: 1024, height: 768}]]) {
  const page = await openKelvaro(browser, {viewport, isMobile: true, hasTouch: true});
  await page.tap('label[for=Option1_2]');
  await pickElements(page, ['мед', 'калай'], 'tap');
  await page.tap('#Command1_0');
  await page.screenshot({path: join(folder, `kelvaro-web-${name}.png`)});
  await page.context().close();
}
await browser.close();
