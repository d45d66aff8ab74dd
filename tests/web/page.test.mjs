// The calculator's page in Debian's chromium: the session model's sessions replayed on the real
// page, the widest reports, the message box, the Language menu, keyboard use, screen-reader names
// and the narrow layout.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { isDeepStrictEqual } from 'node:util';
import { act, apply, choose, exported, kWidestSize, kWidestTime, open, run, seen, start, widestReportsOff }
  from './page_driver.mjs';

let browser, url, stop;
// The controls that can take the focus, by the window's tab indices.
const kTabOrder = ['Count_BTN', 'Combo4', 'Combo3', 'Combo2', 'Combo1', 'Text1', 'Clear_BTN', 'Combo5', 'Option1_0',
  'Option1_1', 'Combo6', 'Option2_2', 'Option2_3', 'Option2_1'];
before(async () => ({ browser, url, stop } = await start()));
after(() => stop());


// Replays a session on a freshly loaded page, `prepare` run on it first; the first state that
// differs from the model's, or null.
async function replay(w, session, prepare = async () => {}) {
  await w.page.goto(url);
  await w.page.waitForSelector('#Form1[data-ready]');
  await prepare(w.page);
  w.messages.length = 0;
  const start = await seen(w);
  if (!isDeepStrictEqual(start, session.start)) return { step: 'start', actual: start, expected: session.start };
  for (const [n, step] of session.steps.entries()) {
    await apply(w, step.action);
    const now = await seen(w);
    if (!isDeepStrictEqual(now, step.state)) return { step: `${n + 1}: ${step.action.describe}`, actual: now, expected: step.state };
  }
  return null;
}

test('the sessions of the session model give the same states on the page', async () => {
  const w = await open(browser, url);
  for (const [i, session] of exported.sessions.entries()) {
    const differs = await replay(w, session);
    if (differs) {
      assert.deepEqual(differs.actual, differs.expected, `session ${i} (seed ${exported.firstSeed + i}), step ${differs.step}`);
    }
  }
  assert.ok(exported.sessions.reduce((n, s) => n + s.steps.length, 0) > 500);
  assert.deepEqual(w.problems, []);
  await w.close();
});

test('a page whose resolution list reports nothing fails the replay', async () => {
  const w = await open(browser, url);
  const unbound = (page) => page.$eval('#Combo3', (list) => delete list.dataset.event);
  let differs = null;
  for (const session of exported.sessions) {
    differs = differs ?? (await replay(w, session, unbound));
  }
  assert.ok(differs, 'no session noticed');
  await w.close();
});

test('one file: no request beyond the page itself, from disk and from a server', async () => {
  for (const address of [url, 'file://' + process.cwd() + '/' + (process.env.KOLVEX_PAGE ?? 'build-web/ui/web/kolvex-calculator.html')]) {
    const w = await open(browser, address);
    await run(w, kWidestTime);
    await apply(w, act('calculate'));
    assert.deepEqual(w.requests, [address]);
    assert.deepEqual(w.problems, []);
    assert.match(await w.page.title(), /^Kolvex DVR Record time calculator Ver \d/);
    await w.close();
  }
});

test('the widest reports of every language show each line on one line, also on a phone', async () => {
  for (const viewport of [{}, { width: 375, height: 800 }]) {
    const w = await open(browser, url, viewport);
    assert.deepEqual(await widestReportsOff(w), [], `${viewport.width ?? 'desktop'}`);
    await w.close();
  }
});

test('the message box: modal, titled, one OK button, no icon, closed by Enter or Escape', async () => {
  const w = await open(browser, url);
  const { page } = w;
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Count_BTN');
  await page.keyboard.press('Enter');
  const box = page.locator('#MessageBox');
  assert.ok(await box.evaluate((b) => b.matches(':modal')));
  assert.equal(await page.locator('#MessageBox_title').textContent(), 'Kolvex_calculator');
  assert.equal(await page.locator('#MessageBox_text').textContent(), 'Please setup every item !!');
  assert.deepEqual(await box.locator('button').allTextContents(), ['OK']);
  assert.equal(await box.locator('img, svg, [role="img"]').count(), 0);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'MessageBox_OK');
  // The window behind it takes no input: a click on a model option does nothing.
  const option = await page.locator('#Option2_1').boundingBox();
  await page.mouse.click(option.x + 5, option.y + 5);
  assert.equal(await page.locator('#Option2_1 input').isChecked(), false);
  await page.keyboard.press('Escape');
  assert.equal(await box.evaluate((b) => b.open), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Count_BTN');
  await page.keyboard.press('Space');
  await page.keyboard.press('Enter');
  assert.equal(await box.evaluate((b) => b.open), false);
  await w.close();
});

test('the Language menu: five items, by mouse, by Alt+L and the arrow keys, or F10; lang follows', async () => {
  const w = await open(browser, url);
  const { page } = w;
  const items = page.locator('[role="menu"] [role="menuitem"]');
  assert.deepEqual(await items.allTextContents(), exported.languages);
  const lang = () => page.evaluate(() => document.documentElement.lang);
  await page.keyboard.press('Alt+l');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Language_0');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.equal(await lang(), 'de');
  assert.equal(await page.locator('#Count_BTN').textContent(), 'Berechnung');
  assert.equal(await items.first().isVisible(), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Count_BTN', 'the focus goes back');
  await page.keyboard.press('F10');
  await page.keyboard.press('End');
  await page.keyboard.press('Enter');
  assert.equal(await lang(), 'nl');
  await page.keyboard.press('F10');
  await page.keyboard.press('Escape');
  assert.equal(await items.first().isVisible(), false);
  for (const [index, tag] of ['en', 'zh-Hant', 'de', 'fr', 'nl'].entries()) {
    await apply(w, act('language', index));
    assert.equal(await lang(), tag);
  }
  await w.close();
});

test('screen readers name each list by its row caption, in every language', async () => {
  const w = await open(browser, url);
  const { page } = w;
  await run(w, [act('model', 1), act('mode', 1)]);
  const names = new Set();
  for (let language = 0; language < exported.languages.length; ++language) {
    await apply(w, act('language', language));
    const state = await seen(w);
    for (const [label, list] of Object.entries(exported.rowCaptions)) {
      if (!state.visible[list]) continue;
      const named = page.getByRole('combobox', { name: state.captions[label].trim(), exact: true });
      assert.ok(await named.evaluateAll((lists, id) => lists.some((l) => l.id == id), list), `${label} names ${list}`);
    }
    for (const option of ['Option1_0', 'Option1_1']) {
      assert.equal(await page.getByRole('radio', { name: state.captions[option], exact: true }).count(), 1);
    }
    names.add(await page.locator('#Text1').getAttribute('aria-label'));
  }
  assert.equal(await page.getByRole('radio', { name: '16CH', exact: true }).count(), 1);
  assert.equal(await page.getByRole('group', { name: 'DVR MODEL' }).count(), 1);
  assert.equal(await page.getByRole('button', { name: 'Language' }).getAttribute('aria-haspopup'), 'menu');
  assert.equal(names.size, exported.languages.length, 'the result box is named in each language');
  await w.close();
});

test('Tab follows the window\'s tab order over the controls a user can reach', async () => {
  const w = await open(browser, url);
  const { page } = w;
  await run(w, kWidestSize);
  await page.focus('#Count_BTN');
  const reachable = await page.evaluate((order) => order.filter((name) => {
    const element = document.getElementById(name);
    const control = element.querySelector('input') || element;
    return element.checkVisibility() && !control.disabled && (control.type != 'radio' || control.checked);
  }), kTabOrder);
  const visited = [];
  for (let i = 0; i < reachable.length; ++i) {
    visited.push(await page.evaluate(() => (document.activeElement.closest('.option') || document.activeElement).id));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(visited, reachable);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Language_Main');
  await w.close();
});

test('the decimal separator is the browser\'s regional one', async () => {
  for (const [locale, separator] of [['de-DE', ','], ['en-US', '.']]) {
    const w = await open(browser, url, { locale });
    await run(w, [...kWidestSize, act('calculate')]);
    assert.match((await seen(w)).result, new RegExp(`: 7751\\${separator}9531 GB\r\n`));
    await w.close();
  }
});

test('narrow screens: one column inside the screen, readable text', async () => {
  const w = await open(browser, url, { width: 360, height: 740 });
  const { page } = w;
  await run(w, kWidestTime);
  const layout = await page.evaluate(() => {
    const box = (id) => document.getElementById(id).getBoundingClientRect();
    const controls = [...document.querySelectorAll('.control, .frame')].filter((e) => e.checkVisibility());
    return {
      pageWidth: document.documentElement.scrollWidth,
      right: Math.max(...controls.map((e) => e.getBoundingClientRect().right)),
      frames: ['Frame3', 'Frame2', 'Frame1', 'Text1'].map(box),
      smallest: Math.min(...controls.map((e) => parseFloat(getComputedStyle(e).fontSize))),
    };
  });
  assert.ok(layout.pageWidth <= 360 && layout.right <= 360, JSON.stringify(layout));
  for (let i = 1; i < layout.frames.length; ++i) {
    assert.ok(layout.frames[i].top >= layout.frames[i - 1].bottom, 'the frames and the result box stand in a column');
    assert.equal(layout.frames[i].left, layout.frames[0].left);
  }
  assert.ok(layout.smallest >= 14, `text of ${layout.smallest} px`);
  await w.close();
});

test('the result box takes typing, reaching nothing else, until Calculate or Clear replaces it', async () => {
  const w = await open(browser, url);
  const { page } = w;
  await run(w, [...kWidestSize, act('calculate')]);
  const before = await seen(w);
  const name = await page.locator('#Text1').getAttribute('aria-label');
  await page.click('#Text1');
  await page.keyboard.press('Control+End');
  await page.keyboard.type('note');
  await page.keyboard.press('Enter');
  await page.keyboard.type('x');
  const typed = await seen(w);
  assert.equal(typed.result, before.result + 'note\r\nx');
  assert.deepEqual({ ...typed, result: before.result }, before, 'typing changed another control');
  const look = await page.$eval('#Text1', (box) => {
    const style = getComputedStyle(box);
    return { background: style.backgroundColor, overflowY: style.overflowY, font: style.fontFamily };
  });
  const windowFont = await page.$eval('#Count_BTN', (b) => getComputedStyle(b).fontFamily);
  assert.deepEqual(look, { background: 'rgb(255, 255, 255)', overflowY: 'scroll', font: windowFont });
  assert.equal(await page.locator('#Text1').getAttribute('aria-label'), name);
  await apply(w, act('calculate'));
  assert.equal((await seen(w)).result, before.result);
  await page.click('#Text1');
  await page.keyboard.type('x');
  await apply(w, act('clear'));
  assert.equal((await seen(w)).result, '');
  assert.deepEqual(w.problems, []);
  await w.close();
});

test('the Language menu\'s arrow keys go both ways and round, Home and End to the ends', async () => {
  const w = await open(browser, url);
  const { page } = w;
  const focused = () => page.evaluate(() => document.activeElement.id);
  await page.keyboard.press('Alt+l');
  const last = exported.languages.length - 1;
  const steps = [['ArrowUp', last], ['ArrowDown', 0], ['ArrowDown', 1], ['ArrowDown', 2], ['ArrowUp', 1],
    ['End', last], ['ArrowDown', 0], ['End', last], ['ArrowUp', last - 1], ['Home', 0], ['ArrowUp', last]];
  const visited = [];
  for (const [key] of steps) {
    await page.keyboard.press(key);
    visited.push(await focused());
  }
  assert.deepEqual(visited, steps.map(([, index]) => `Language_${index}`));
  await page.keyboard.press('Escape');
  assert.equal(await focused(), 'Count_BTN');
  // A key typed before the menu has finished opening still moves within it (a fast typist).
  await page.evaluate(() => {
    const press = (key) => document.activeElement.dispatchEvent(
      new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
    press('F10');
    press('End');
  });
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done))));
  assert.equal(await focused(), `Language_${last}`);
  await page.keyboard.press('Escape');
  await w.close();
});

test('phone layout: each row caption beside its own list, the rows in order, the buttons after them', async () => {
  for (const setting of [kWidestTime, kWidestSize]) {
    const w = await open(browser, url, { width: 360, height: 740 });
    const { page } = w;
    await run(w, setting);
    const rows = await page.evaluate((captions) => {
      const box = (id) => document.getElementById(id).getBoundingClientRect();
      return Object.entries(captions).filter(([label]) => document.getElementById(label).checkVisibility())
        .map(([label, list]) => ({ label, list, caption: box(label), field: box(list) }));
    }, exported.rowCaptions);
    assert.equal(rows.length, 5);
    rows.sort((a, b) => a.field.top - b.field.top);
    assert.deepEqual(rows.map((r) => r.list), ['Combo1', 'Combo2', 'Combo3', 'Combo4', setting == kWidestTime ? 'Combo6' : 'Combo5']);
    for (const [i, { label, caption, field }] of rows.entries()) {
      assert.ok(caption.right <= field.left, `${label} stands left of its list`);
      assert.ok(Math.abs((caption.top + caption.bottom) / 2 - (field.top + field.bottom) / 2) <= 2, `${label} is on its list's row`);
      if (i > 0) assert.ok(field.top >= rows[i - 1].field.bottom, `${label}'s row is below the one before`);
    }
    const buttons = await page.evaluate(() => ['Clear_BTN', 'Count_BTN'].map((id) => document.getElementById(id).getBoundingClientRect().top));
    for (const top of buttons) assert.ok(top >= rows.at(-1).field.bottom, 'the buttons come after the lists');
    await w.close();
  }
});

test('the message: OK takes the focus with nothing in the console; it stands over the window, inside the screen', async () => {
  // A phone's window fills the screen's width and may run below it: the message is centred on the screen there.
  const kScreens = [
    { name: 'desktop', viewport: { width: 1024, height: 640 }, over: 'window' },
    { name: 'tall desktop', viewport: { width: 1600, height: 1100 }, over: 'window' },
    { name: 'short desktop', viewport: { width: 800, height: 300 }, over: 'screen' },
    { name: 'phone', viewport: { width: 375, height: 800 }, over: 'screen' },
  ];
  for (const { name, viewport, over } of kScreens) {
    const w = await open(browser, url, viewport);
    const { page } = w;
    const logged = [];
    page.on('console', (m) => logged.push(`${m.type()}: ${m.text()}`));
    await page.goto(url);
    await page.waitForSelector('#Form1[data-ready]');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'MessageBox_OK', name);
    const boxes = await page.evaluate(() => {
      const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
      const screen = { left: 0, top: 0, right: document.documentElement.clientWidth, bottom: document.documentElement.clientHeight };
      return { message: box('MessageBox'), window: box('Form1'), screen };
    });
    const { message } = boxes;
    const middle = (b) => [(b.left + b.right) / 2, (b.top + b.bottom) / 2];
    const inside = message.left >= 0 && message.top >= 0 && message.right <= boxes.screen.right && message.bottom <= boxes.screen.bottom;
    assert.ok(inside, `${name}: ${JSON.stringify(boxes)}`);
    if (over == 'window') {
      const [x, y] = middle(message);
      const [wx, wy] = middle(boxes.window);
      assert.ok(Math.abs(x - wx) <= 1 && Math.abs(y - wy) <= 1, `${name}: ${JSON.stringify(boxes)}`);
    } else {
      assert.ok(Math.abs(middle(message)[0] - boxes.screen.right / 2) <= 1, `${name}: ${JSON.stringify(boxes)}`);
    }
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Count_BTN', name);
    assert.deepEqual(logged, [], name);
    await w.close();
  }
});

// Where a control's picture has dark pixels, inside its border: the columns and rows that hold any.
async function inkOf(page, selector) {
  const shot = (await page.locator(selector).screenshot()).toString('base64');
  return page.evaluate(async (data) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const { data: pixels } = context.getImageData(0, 0, image.width, image.height);
    const columns = [], rows = [];
    for (let y = 2; y < image.height - 2; ++y) {
      for (let x = 2; x < image.width - 2; ++x) {
        const at = 4 * (y * image.width + x);
        if (pixels[at] + pixels[at + 1] + pixels[at + 2] < 3 * 110) {
          columns[x] = true;
          rows[y] = true;
        }
      }
    }
    return { width: image.width, height: image.height, columns: columns.flatMap((v, x) => (v ? [x] : [])),
      rows: rows.flatMap((v, y) => (v ? [y] : [])) };
  }, shot);
}

test('the lists: the widest entry clear of the arrow, the text in the middle, on a desktop and a phone', async () => {
  // PAL's resolutions are the widest entries; the time mode shows the disk sizes.
  const kWidest = [act('model', 3), act('mode', 1), choose('Combo1', 1), choose('Combo2', 0), choose('Combo3', 0),
    choose('Combo4', 998), choose('Combo6', 8)];
  for (const viewport of [{}, { width: 375, height: 800 }]) {
    const w = await open(browser, url, viewport);
    const { page } = w;
    await run(w, kWidest);
    await page.evaluate(() => document.activeElement.blur());
    for (const list of ['Combo1', 'Combo2', 'Combo3', 'Combo4', 'Combo6']) {
      const where = `${list}, ${viewport.width ?? 'desktop'}`;
      const ink = await inkOf(page, `#${list}`);
      // The text, a gap, then the arrow: the last run of dark columns.
      let arrow = ink.columns.length - 1;
      while (arrow > 0 && ink.columns[arrow - 1] == ink.columns[arrow] - 1) --arrow;
      const textRight = ink.columns[arrow - 1];
      const arrowLeft = ink.columns[arrow];
      assert.ok(arrowLeft - textRight >= 6, `${where}: text to column ${textRight}, arrow from ${arrowLeft}`);
      assert.ok(ink.width - ink.columns.at(-1) <= 12, `${where}: the arrow stands at the right end`);
      const middle = (ink.rows[0] + ink.rows.at(-1)) / 2;
      assert.ok(Math.abs(middle - ink.height / 2) <= 2, `${where}: ink from row ${ink.rows[0]} to ${ink.rows.at(-1)} of ${ink.height}`);
    }
    await w.close();
  }
});

test('axe finds no WCAG 2 A or AA fault, on a desktop and a phone, in English and Chinese, with a report or the message', async () => {
  const { readFile } = await import('node:fs/promises');
  const axe = await readFile(new URL('./node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
  const kStates = {
    report: [...kWidestTime, act('calculate')],
    // Calculate with nothing chosen: the message stays open.
    message: [],
  };
  for (const viewport of [{}, { width: 375, height: 800 }]) {
    for (const language of [0, 1]) {
      for (const [state, actions] of Object.entries(kStates)) {
        const w = await open(browser, url, viewport);
        const { page } = w;
        await run(w, [act('language', language), ...actions]);
        if (state == 'message') await page.click('#Count_BTN');
        assert.equal(await page.locator('#MessageBox').evaluate((b) => b.open), state == 'message');
        await page.addScriptTag({ content: axe });
        const faults = await page.evaluate(async () => {
          const { violations } = await window.axe.run(document, {
            runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'],
          });
          return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
        });
        assert.deepEqual(faults, [], `${viewport.width ?? 'desktop'}, language ${language}, ${state}`);
        await w.close();
      }
    }
  }
});

test('a screen reader reads the controls by rows, as the window shows them, while Tab keeps the window\'s order', async () => {
  const w = await open(browser, url);
  const { page } = w;
  const documentOrder = await page.evaluate(() => [...document.querySelectorAll('#ClientArea :is(input, select, button, textarea)')]
    .map((c) => (c.closest('.option') || c).id));
  assert.deepEqual(documentOrder, ['Option2_1', 'Option2_2', 'Option2_3', 'Option1_0', 'Option1_1', 'Combo1', 'Combo2',
    'Combo3', 'Combo4', 'Combo5', 'Combo6', 'Clear_BTN', 'Count_BTN', 'Text1']);
  const tabOrder = await page.evaluate(() => [...document.querySelectorAll('[tabindex]')].filter((c) => c.tabIndex > 0)
    .sort((a, b) => a.tabIndex - b.tabIndex).map((c) => (c.closest('.option') || c).id));
  assert.deepEqual(tabOrder, kTabOrder);
  await w.close();
});
