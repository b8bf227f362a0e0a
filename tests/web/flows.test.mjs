// Kelvaro's page in each of Debian's three engines, Chromium, Firefox and WebKit, in both of its
// layouts: checks and the clear with the mouse or touch, the keyboard's round and keys, where
// the controls sit, and axe-core's WCAG rules.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {after, before, describe, test} from 'node:test';
import {engines, layout, phone, wide} from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8');
const brass = 'Елементи на сплавта месинг са:  мед, цинк';
const captions = ['алпака', 'бронз', 'бяло злато', 'галинстан', 'кантал', 'константан', 'месинг',
  'нихром', 'стомана', 'тибетска сплав'];

// What the page shows: the report's first line, the sentence after the last command, the alloy
// buttons' captions and checks, and the picked elements.
function seen() {
  const all = (selector) => [...document.querySelectorAll(selector)];
  return {
    report: document.getElementById('Text1_0').value.split('\n')[0],
    outcome: document.getElementById('outcome').textContent,
    captions: all('#Frame1 .option').map((option) => option.textContent),
    checked: all('#Frame1 input:checked').map((input) => input.id),
    picks: all('[aria-selected=true]').map((row) => row.textContent),
  };
}
const focus = () => document.activeElement.id;

async function pick(tab, elements) {
  for (const [i, name] of elements.entries()) {
    const id = await tab.evaluate(([list, element]) => [...document.querySelectorAll(
      `#List1_${list} [role=option]`)].find((row) => row.textContent === element).id, [i + 1, name]);
    await tab.click(`#${id}`);
  }
}

for (const [engine, launch] of Object.entries(engines)) {
  describe(engine, () => {
    let browser;
    before(async () => (browser = await launch()));
    after(() => browser.close());

    for (const [name, screen] of [['wide', wide], ['phone', phone]]) {
      test(`${name}: brass, a failed check and the clear, laid out and accessible`, async () => {
        const tab = await browser.open(screen);
        const start = await tab.evaluate(seen);
        await tab.click('label[for=Option1_2]'); // selected; the check deselects it
        await pick(tab, ['мед', 'цинк']);
        await tab.click('#Command1_0');
        const found = captions.map((caption) => (caption === 'месинг' ? '' : caption));
        const after = {...start, report: brass, captions: found};
        assert.deepEqual(await tab.evaluate(seen), {...after, outcome: 'Намерена сплав: месинг.'});
        await pick(tab, ['цинк', 'мед']);
        await tab.click('#Command1_0');
        assert.deepEqual(await tab.evaluate(seen),
          {...after, outcome: 'Няма сплав с тези елементи в този ред.'});

        await tab.inject(axeSource);
        const axe = await tab.evaluate(() => axe.run(document, {runOnly: ['wcag2a', 'wcag2aa',
          'wcag21aa', 'wcag22aa']}).then(({violations}) => violations.map(({id, nodes}) =>
          `${id}: ${nodes.map((node) => node.target).join(' ')}`)));
        assert.deepEqual(axe, []);
        const {offset, target, text, sideways, shown} = await tab.evaluate(layout);
        assert.ok(shown, 'the sentence after the check is seen');
        if (screen === wide) assert.ok(offset <= 1, `a control ${offset} pixels from its place`);
        else assert.ok(Math.min(...target) >= 44 && text >= 16 && !sideways, `${target} ${text}`);

        await tab.click('#Command1_1');
        assert.deepEqual(await tab.evaluate(seen), {...after, captions,
          outcome: 'Всичко е изчистено. Започни упражнението отначало.'});
      });

      test(`${name}: the keyboard goes round, moves in the group and the lists, checks with Enter`,
        async () => {
          const tab = await browser.open(screen);
          const stops = [await tab.evaluate(focus)];
          for (let i = 0; i < 6; ++i) {
            await tab.press('Tab');
            stops.push(await tab.evaluate(focus));
          }
          assert.deepEqual(stops, ['Text1_0', 'Option1_0', 'List1_1', 'List1_2', 'List1_3',
            'Command1_0', 'Command1_1']);
          // Back to the group; the arrows select in it; in the lists мед, and цинк, the last.
          const keys = [...Array(5).fill('Shift+Tab'), 'ArrowDown', 'ArrowDown', 'Tab', 'End',
            'Home', ...Array(7).fill('ArrowDown'), 'Tab', 'ArrowDown', 'End', 'ArrowUp', 'ArrowDown',
            'Tab', 'Tab', 'Enter'];
          for (const key of keys) await tab.press(key);
          const {report, outcome, checked, picks} = await tab.evaluate(seen);
          assert.deepEqual([report, outcome, checked, picks, await tab.evaluate(focus)],
            [brass, 'Намерена сплав: месинг.', [], [], 'Command1_0']);
          });
    }
  });
}
