// Renders the README's pictures of the browser page in headless Chromium, clicked as a student
// would: the window 1:1 after a check of brass, with the sentence under it, and the whole page on
// a phone 360 pixels wide after a tap on an alloy and a check of bronze.
// Usage: node tools/web_screenshots.mjs FOLDER
import {join} from 'node:path';
import {launchChromium, openKelvaro, phone, pickElements} from '../tests/web/browser.mjs';

const folder = process.argv[2];
// Scroll bars are shown as a reader's browser shows them.
const browser = await launchChromium({ignoreDefaultArgs: ['--hide-scrollbars']});

const wide = await openKelvaro(browser);
await pickElements(wide, ['мед', 'цинк']);
await wide.click('#Command1_0');
const {x, y, width, height} = await wide.locator('#Kelvaro').boundingBox();
await wide.screenshot({path: join(folder, 'kelvaro-web.png'), clip: {x, y, width, height: height + 40}});

const small = await openKelvaro(browser, {...phone, deviceScaleFactor: 1});
await small.tap('label[for=Option1_2]');
await pickElements(small, ['мед', 'калай'], 'tap');
await small.tap('#Command1_0');
await small.screenshot({path: join(folder, 'kelvaro-web-phone.png'), fullPage: true});
await browser.close();
