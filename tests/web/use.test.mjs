// Kelvaro's page used with the mouse and the keyboard, and heard through its accessibility tree.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {launchChromium, openKelvaro, pickElements} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

const report = (page) => page.inputValue('#Text1_0');
const spoken = (page) => page.textContent('#announcer');
const focused = (page) => page.evaluate(() => document.activeElement.id || 'none');

// What Chromium gives assistive technology: "role name: description" of every node it shows.
async function heard(page) {
  const session = await page.context().newCDPSession(page);
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  return nodes.filter((node) => !node.ignored).map((node) => {
    const live = node.properties?.find((property) => property.name === 'live');
    return `${live ? `live ${live.value.value}` : node.role.value} ${node.name?.value ?? ''}` +
      (node.description ? `: ${node.description.value}` : '');
  });
}

for (const {alloy, picks, line, said, found} of [
  {alloy: 'brass', picks: ['мед', 'цинк'], line: 'Елементи на сплавта месинг са:  мед, цинк',
    said: 'Намерена сплав: месинг.', found: 'месинг'},
  {alloy: 'nickel silver', picks: ['мед', 'цинк', 'никел'], said: 'Намерена сплав: алпака.',
    line: 'Елементи на сплавта алпака са:  мед, цинк, никел', found: 'алпака'},
  {alloy: 'nothing', picks: ['цинк', 'мед'], said: 'Няма сплав с тези елементи в този ред.',
    line: 'Да се създаде проект, който представя връзки между физиката и информатиката.'},
]) {
  test(`clicked picks and a check find ${alloy}, and say so`, async () => {
    const page = await openKelvaro(browser);
    await pickElements(page, picks);
    assert.ok((await heard(page)).includes(`listbox Първи елемент: Избран елемент: ${picks[0]}.`));
    await page.click('#Command1_0');
    assert.equal((await report(page)).split('\n')[0], line);
    assert.equal(await focused(page), 'Command1_0');
    const nodes = await heard(page);
    assert.deepEqual(nodes.filter((node) => node.startsWith('listbox')),
      ['Първи', 'Втори', 'Трети'].map((nth) => `listbox ${nth} елемент: Няма избран елемент.`));
    assert.equal(nodes.includes(`radio ${found}, намерена сплав`), Boolean(found));
    assert.ok(nodes.includes('group Сплави') && nodes.includes('textbox Задача и отчет'));
    assert.ok(nodes.includes('live polite ') && nodes.includes(`StaticText ${said}`));
    assert.equal(await spoken(page), said);
    await page.context().close();
  });
}

test('a found alloy is found again and said again; the clear brings its caption back', async () => {
  const page = await openKelvaro(browser);
  await page.getByText('месинг').click(); // a selected button, which the check deselects
  for (let i = 0; i < 2; ++i) {
    await pickElements(page, ['мед', 'цинк']);
    await page.click('#Command1_0');
  }
  const found = await report(page);
  assert.ok(found.startsWith('Елементи на сплавта месинг са:  мед, цинк\n'));
  assert.equal(await page.isChecked('#Option1_6'), false);
  assert.equal(await page.textContent('label[for=Option1_6]'), '');
  assert.equal(await page.locator('#announcer p').count(), 1);
  await page.click('#Command1_1');
  assert.equal(await page.textContent('label[for=Option1_6]'), 'месинг');
  assert.ok((await heard(page)).includes('radio месинг'));
  assert.equal(await report(page), found);
  assert.equal(await spoken(page), 'Всичко е изчистено. Започни упражнението отначало.');
  const box = await page.locator('#announcer').boundingBox();
  assert.ok(box.width <= 1 && box.height <= 1, 'the sentence is heard, not seen');
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
    const keys = ['Tab', 'ArrowDown', 'ArrowDown', 'Tab', 'Shift+Tab']; // arrows within the group
    for (const key of keys) await page.keyboard.press(key);
    assert.equal(await focused(page), 'Option1_2', 'the group is reached at its selection');
    assert.equal(await page.isChecked('#Option1_2'), true);
    // мед, the eighth row of the first list; цинк, the last of the second; the check.
    for (const key of ['Tab', ...Array(8).fill('ArrowDown'), 'Tab', 'End', 'Tab', 'Tab', 'Enter']) {
      await page.keyboard.press(key);
    }
    assert.match(await report(page), /^Елементи на сплавта месинг са: {2}мед, цинк/);
    assert.equal(await focused(page), 'Command1_0');
    await page.context().close();
  });
