// Debian's Chromium, headless, as the page's tests, benchmark and screenshots drive it.
import {resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

// The page under test: $KELVARO_PAGE, or the one the web preset builds.
export const pageUrl = pathToFileURL(
  resolve(process.env.KELVARO_PAGE ?? 'build-web/window/web/kelvaro.html')).href;

// Playwright starts it with a new empty profile of its own. Without the background services'
// flags Chromium keeps trying connections that a closed network refuses.
export function launchChromium(options = {}) {
  return chromium.launch({
    ...options,
    executablePath: process.env.KELVARO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    chromiumSandbox: false,
    args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// Opens the page in a new context and waits until its first check can run.
export async function openKelvaro(browser, options = {}) {
  const context = await browser.newContext({viewport: {width: 800, height: 600}, ...options});
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForFunction(() => performance.getEntriesByName('kelvaro-ready').length > 0);
  return page;
}

// The controls' input as a user gives it: a click on a list's row, on an alloy's caption.
export function row(page, list, element) {
  return page.locator(`#${list}`).getByRole('option', {name: element, exact: true});
}

export async function pickElements(page, elements) {
  for (const [i, element] of elements.entries()) await row(page, `List1_${i + 1}`, element).click();
}

// What Chromium gives assistive technology: each named node's role, name and description.
export async function accessibleNodes(page) {
  const session = await page.context().newCDPSession(page);
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  return nodes.filter((node) => !node.ignored).map((node) => ({
    role: node.role?.value,
    name: node.name?.value ?? '',
    description: node.description?.value ?? '',
    live: node.properties?.find((property) => property.name === 'live')?.value.value,
  }));
}
