// The calculator's page in Firefox ESR and WebKitGTK, worked through the same actions as in
// chromium: some of the session model's sessions replayed, the message box, the Language menu by
// keyboard, the browser's decimal separator and the widest reports. KOLVEX_ENGINES (a comma list)
// picks the engines; each test's name starts with its engine's.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { isDeepStrictEqual } from 'node:util';
import { act, apply, exported, kWidestSize, run, seen, widestReportsOff } from './page_driver.mjs';
import { kEngines, start } from './engines.mjs';

const engines = process.env.KOLVEX_ENGINES ? process.env.KOLVEX_ENGINES.split(',') : kEngines;
// Enough sessions to reach every list, both modes, every language and the message; chromium
// replays them all.
const kSessions = 6;


const focused = (w) => w.page.evaluate(() => document.activeElement.id);

// The engines side by side: each spends most of its time waiting for its browser.
describe('the page in other engines', { concurrency: true }, () => {
  for (const engine of engines) {
    // One engine's tests one after another: only the front page of a browser takes the keyboard.
    describe(engine, { concurrency: false }, () => {
      let browser, started;
      before(async () => {
        started = Date.now();
        browser = await start(engine);
        console.log(`# ${engine}: ${browser.version}`);
      });
      after(async () => {
        await browser.stop();
        console.log(`# ${engine}: ${Math.round((Date.now() - started) / 1000)} s`);
      });

      test(`${engine}: the session model's sessions give the same states on the page`, async () => {
        const w = await browser.open();
        const sessions = exported.sessions.slice(0, kSessions);
        for (const [i, session] of sessions.entries()) {
          await w.reload();
          w.messages.length = 0;
          let state = await seen(w);
          assert.deepEqual(state, session.start, `session ${i}: the start`);
          for (const [n, step] of session.steps.entries()) {
            await apply(w, step.action);
            state = await seen(w);
            if (!isDeepStrictEqual(state, step.state)) {
              assert.deepEqual(state, step.state, `session ${i} (seed ${exported.firstSeed + i}), step ${n + 1}: ${step.action.describe}`);
            }
          }
        }
        const kinds = new Set(sessions.flatMap((s) => s.steps.map((step) => step.action.kind)));
        assert.deepEqual([...kinds].sort(), ['calculate', 'choose', 'clear', 'language', 'mode', 'model']);
        assert.ok(sessions.some((s) => s.steps.some((step) => step.state.messages > 0)), 'no session met the message');
        assert.deepEqual(await w.problems(), []);
        await w.close();
      });

      test(`${engine}: the message box is modal, titled, has one OK button, and Escape closes it`, async () => {
        const w = await browser.open();
        const { page } = w;
        assert.equal(await focused(w), 'Count_BTN');
        await page.keyboard.press('Enter');
        const box = await page.evaluate(() => {
          const b = document.getElementById('MessageBox');
          return { modal: b.matches(':modal'), title: document.getElementById('MessageBox_title').textContent,
            text: document.getElementById('MessageBox_text').textContent,
            buttons: [...b.querySelectorAll('button')].map((x) => x.textContent),
            icons: b.querySelectorAll('img, svg, [role="img"]').length };
        });
        assert.deepEqual(box, { modal: true, title: 'Kolvex_calculator', text: 'Please setup every item !!', buttons: ['OK'], icons: 0 });
        assert.equal(await focused(w), 'MessageBox_OK');
        // The window behind it takes no click.
        const option = await page.evaluate(() => {
          const r = document.getElementById('Option2_1').getBoundingClientRect();
          return { x: r.x + 5, y: r.y + 5 };
        });
        await page.clickAt(option.x, option.y);
        assert.equal(await page.$eval('#Option2_1 input', (i) => i.checked), false);
        await page.keyboard.press('Escape');
        assert.equal(await page.$eval('#MessageBox', (b) => b.open), false);
        assert.equal(await focused(w), 'Count_BTN');
        await page.keyboard.press('Enter');
        await page.keyboard.press('Enter');
        assert.equal(await page.$eval('#MessageBox', (b) => b.open), false, 'Enter presses OK');
        assert.deepEqual(await w.problems(), []);
        await w.close();
      });

      test(`${engine}: the Language menu by Alt+L, F10 and the arrow keys; lists, menu and items keep their roles`, async () => {
        const w = await browser.open();
        const { page } = w;
        const lang = () => page.evaluate(() => document.documentElement.lang);
        const menuOpen = () => page.evaluate(() => document.querySelector('[role="menu"]').matches(':popover-open'));
        await page.keyboard.press('Alt+l');
        assert.equal(await focused(w), 'Language_0');
        for (const [selector, role] of [['#Language_Main', 'button'], ['#Language_0', 'menuitem'], ['#Combo1', 'combobox']]) {
          assert.ok(await page.roleIs(selector, role), `${selector} is a ${role}`);
        }
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Enter');
        assert.equal(await lang(), 'de');
        assert.equal(await page.$eval('#Count_BTN', (b) => b.textContent), 'Berechnung');
        assert.equal(await menuOpen(), false);
        assert.equal(await focused(w), 'Count_BTN', 'the focus goes back');
        await page.keyboard.press('F10');
        await page.keyboard.press('End');
        await page.keyboard.press('Enter');
        assert.equal(await lang(), 'nl');
        await page.keyboard.press('F10');
        assert.equal(await menuOpen(), true);
        await page.keyboard.press('Escape');
        assert.equal(await menuOpen(), false);
        assert.deepEqual(await w.problems(), []);
        await w.close();
      });

      test(`${engine}: the decimal separator is the browser's regional one`, async () => {
        for (const [locale, separator] of [['de-DE', ','], ['en-US', '.']]) {
          const w = await browser.open({ locale });
          await run(w, [...kWidestSize, act('calculate')]);
          assert.match((await seen(w)).result, new RegExp(`: 7751\\${separator}9531 GB\r\n`), locale);
          await w.close();
        }
      });

      test(`${engine}: the widest reports of every language show each line on one line, also in the narrow layout`, async () => {
        for (const viewport of [{}, { width: 375, height: 800 }]) {
          const w = await browser.open(viewport);
          assert.ok(viewport.width ? w.width < 600 : w.width == 1024, `a page ${w.width} px wide`);
          assert.deepEqual(await widestReportsOff(w), [], `${w.width} px`);
          assert.deepEqual(await w.problems(), []);
          await w.close();
        }
      });
    });
  }
});
