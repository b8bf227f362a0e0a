// Kelvaro's page heard through Chromium's accessibility tree: names, descriptions and the
// sentence after each command.
import assert from 'node:assert/strict';
import {after, before} from 'node:test';
import {launchChromium, openKelvaro, pickElements, test} from './browser.mjs';

let browser;
before(async () => (browser = await launchChromium()));
after(() => browser.close());

const report = (page) => page.inputValue('#Text1_0');
const spoken = (page) => page.textContent('#outcome');
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

test('a found alloy is found and said again; after the clear its button is named again', async () => {
  const page = await openKelvaro(browser);
  for (let i = 0; i < 2; ++i) {
    await pickElements(page, ['мед', 'цинк']);
    await page.click('#Command1_0');
  }
  assert.ok((await report(page)).startsWith('Елементи на сплавта месинг са:  мед, цинк\n'));
  assert.equal(await page.locator('#outcome span').count(), 1); // one sentence, said anew
  assert.equal(await spoken(page), 'Намерена сплав: месинг.');
  await page.click('#Command1_1');
  assert.ok((await heard(page)).includes('radio месинг'));
  await page.context().close();
});

// Typed on a Bulgarian keyboard, as Chromium takes a key from the system.
test('in a list a letter picks the next element that starts with it, round the end', async () => {
  const page = await openKelvaro(browser);
  const session = await page.context().newCDPSession(page);
  const picks = [];
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab'); // to the first list
  for (const letter of ['м', 'м', 'а', 'Ж']) {
    for (const type of ['keyDown', 'keyUp']) {
      await session.send('Input.dispatchKeyEvent', {type, key: letter, text: letter});
    }
    picks.push(await page.textContent('#List1_1 [aria-selected=true]'));
  }
  assert.deepEqual(picks, ['мед', 'мед', 'алуминий', 'желязо']);
  await page.context().close();
});
