// Kelvaro's page used with the mouse and the keyboard, as a student uses it.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {accessibleNodes, launchChromium, openKelvaro, pickElements} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

const firstLine = async (page) => (await page.inputValue('#Text1_0')).split('\n')[0];
const spoken = (page) => page.textContent('#announcer');
const focused = (page) => page.evaluate(() => document.activeElement.id || 'none');

const checks = [
  {alloy: 'brass', picks: ['мед', 'цинк'], found: 'Option1_6',
    line: 'Елементи на сплавта месинг са:  мед, цинк', said: 'Намерена сплав: месинг.'},
  {alloy: 'nickel silver', picks: ['мед', 'цинк', 'никел'], found: 'Option1_0',
    line: 'Елементи на сплавта алпака са:  мед, цинк, никел', said: 'Намерена сплав: алпака.'},
  {alloy: 'none (a failed check)', picks: ['цинк', 'мед'], found: null,
    line: 'Да се създаде проект, който представя връзки между физиката и информатиката.',
    said: 'Няма сплав с тези елементи в този ред.'},
];
for (const {alloy, picks, found, line, said} of checks) {
  test(`clicked picks and a check find ${alloy}`, async () => {
    const page = await openKelvaro(browser);
    await pickElements(page, picks);
    await page.click('#Command1_0');
    assert.equal(await firstLine(page), line);
    assert.equal(await spoken(page), said);
    assert.equal(await focused(page), 'Command1_0');
    for (const list of ['List1_1', 'List1_2', 'List1_3']) {
      assert.equal(await page.$eval(`#${list}`, (select) => select.selectedIndex), -1);
    }
    if (found) {
      assert.equal(await page.textContent(`label[for=${found}]`), '');
      assert.match(await page.getAttribute(`#${found}`, 'aria-label'), /, намерена сплав$/);
    }
    await page.context().close();
  });
}

test('an alloy found twice is reported and said again; the clear brings its caption back',
  async () => {
    const page = await openKelvaro(browser);
    await page.getByText('месинг').click(); // a selected button is deselected by the check
    for (let i = 0; i < 2; ++i) {
      await pickElements(page, ['мед', 'цинк']);
      await page.click('#Command1_0');
    }
    const report = await page.inputValue('#Text1_0');
    assert.ok(report.startsWith('Елементи на сплавта месинг са:  мед, цинк\n'));
    assert.equal(await page.isChecked('#Option1_6'), false);
    assert.equal(await page.textContent('label[for=Option1_6]'), '');
    assert.equal(await page.locator('#announcer p').count(), 1);
    assert.equal(await spoken(page), 'Намерена сплав: месинг.');
    await page.click('#Command1_1');
    assert.equal(await page.textContent('label[for=Option1_6]'), 'месинг');
    assert.equal(await page.getAttribute('#Option1_6', 'aria-label'), null);
    assert.equal(await page.inputValue('#Text1_0'), report);
    assert.equal(await spoken(page), 'Всичко е изчистено. Започни упражнението отначало.');
    await page.context().close();
  });

test('the keyboard goes round the controls in the design\'s order and presses with Enter',
  async () => {
    const page = await openKelvaro(browser);
    const cycle = [await focused(page)];
    for (let i = 0; i < 8; ++i) {
      await page.keyboard.press('Tab');
      cycle.push(await focused(page));
    }
    assert.deepEqual(cycle, ['Text1_0', 'Option1_0', 'List1_1', 'List1_2', 'List1_3',
      'Command1_0', 'Command1_1', 'none', 'Text1_0']);
    await page.keyboard.press('Tab');
    await page.keyboard.press('ArrowDown'); // arrows move within the alloy group
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focused(page), 'Option1_2', 'the group is reached at its selection');
    assert.equal(await page.isChecked('#Option1_2'), true);
    await page.keyboard.press('Tab');
    for (let i = 0; i < 8; ++i) await page.keyboard.press('ArrowDown'); // мед
    await page.keyboard.press('Tab');
    await page.keyboard.press('End'); // цинк
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');
    assert.equal(await firstLine(page), 'Елементи на сплавта месинг са:  мед, цинк');
    assert.equal(await focused(page), 'Command1_0');
    await page.context().close();
  });

test('assistive technology hears every name, the picks and the sentence after a check',
  async () => {
    const page = await openKelvaro(browser);
    await pickElements(page, ['мед', 'цинк']);
    const before = await accessibleNodes(page);
    assert.ok(before.some((node) => node.role === 'listbox' && node.name === 'Втори елемент'
      && node.description === 'Избран елемент: цинк.'));
    await page.click('#Command1_0');
    const nodes = await accessibleNodes(page);
    const named = (role) => nodes.filter((node) => node.role === role).map((node) => node.name);
    assert.deepEqual(named('radio').slice(5, 8), ['константан', 'месинг, намерена сплав', 'нихром']);
    assert.deepEqual(named('listbox'), ['Първи елемент', 'Втори елемент', 'Трети елемент']);
    assert.deepEqual(named('group'), ['Сплави']);
    assert.deepEqual(named('textbox'), ['Задача и отчет']);
    assert.ok(nodes.some((node) => node.role === 'listbox'
      && node.description === 'Няма избран елемент.'));
    assert.ok(nodes.some((node) => node.live === 'polite'), 'a polite live region');
    assert.ok(nodes.some((node) => node.role === 'StaticText'
      && node.name === 'Намерена сплав: месинг.'));
    assert.equal(await spoken(page), 'Намерена сплав: месинг.');
    const box = await page.locator('#announcer').boundingBox();
    assert.ok(box.width <= 1 && box.height <= 1, 'the sentence is heard, not seen');
    await page.context().close();
  });
