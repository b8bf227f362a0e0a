// Renders the README's pictures of the browser page in headless Chromium, clicked as a student
// would: the window after a check of brass, and the whole screen of a phone 360 pixels wide.
// Usage: node tools/web_screenshots.mjs FOLDER
import {join} from 'node:path';
import {launchChromium, openKelvaro, phone, pickElements} from '../tests/web/browser.mjs';

const folder = process.argv[2];
// Scroll bars are shown as a reader's browser shows them.
const browser = await launchChromium({ignoreDefaultArgs: ['--hide-scrollbars']});

const wide = await openKelvaro(browser);
await pickElements(wide, ['мед', 'цинк']);
await wide.click('#Command1_0');
await wide.locator('#Kelvaro').screenshot({path: join(folder, 'kelvaro-web.png')});

const small = await openKelvaro(browser, phone);
await small.tap('label[for=Option1_2]');
await small.screenshot({path: join(folder, 'kelvaro-web-phone.png')});
await browser.close();
