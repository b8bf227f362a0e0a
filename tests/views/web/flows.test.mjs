// Kelvaro's page in each of Debian's three engines, Chromium, Firefox and WebKit, in both of its
// layouts: checks and the clear with the mouse or touch, the keyboard's round and keys, where
// the controls sit, and axe-core's WCAG rules.
import assert from 'node:assert/strict';
import {after, before} from 'node:test';
import {axeViolations, describe, engines, layout, phone, test, touchFaults, wide}
  from './browser.mjs';

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
        const opened = await tab.evaluate(() => scrollY);
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

        assert.deepEqual(await axeViolations(tab), []);
        const measured = await tab.evaluate(layout);
        assert.ok(measured.shown && opened === 0, 'opened at the top; the sentence is seen');
        if (screen === wide) assert.ok(measured.offset <= 1, `${measured.offset} pixels off`);
        else assert.deepEqual(touchFaults(measured), []);

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
