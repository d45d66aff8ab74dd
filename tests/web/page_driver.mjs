// Debian's chromium through playwright-core, and the calculator's page worked as a user works it:
// mouse clicks, list choices and the Language menu, with what a user sees read back from the page.
import { chromium } from 'playwright-core';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, basename } from 'node:path';
import { serve } from '../../scripts/static-server.mjs';

const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

export const pageFile = process.env.KOLVEX_PAGE ?? 'build-web/ui/web/kolvex-calculator.html';
// The session model's sessions and the window's facts, from kolvex-session-export.
const sessionsFile = process.env.KOLVEX_SESSIONS ?? 'build-web/sessions.json';
export const exported = existsSync(sessionsFile) ? JSON.parse(readFileSync(sessionsFile, 'utf8')) : null;

// The browser and a server for the page's folder on 127.0.0.1.
export async function start() {
  // With scroll bars drawn, as a user's browser has them.
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: kFlags,
    ignoreDefaultArgs: ['--hide-scrollbars'] });
  const { server, url } = await serve(dirname(pageFile));
  return { browser, url: url + basename(pageFile), stop: async () => { await browser.close(); server.close(); } };
}

// A freshly opened page, once its form is usable. Every request it makes is noted.
export async function open(browser, url, { width = 1024, height = 640, locale = 'en-US' } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, locale });
  const page = await context.newPage();
  const requests = [];
  const problems = [];
  page.on('request', (r) => requests.push(r.url()));
  page.on('console', (m) => m.type() == 'error' && problems.push(m.text()));
  page.on('pageerror', (e) => problems.push(e.message));
  await page.goto(url);
  await page.waitForSelector('#Form1[data-ready]');
  return { page, requests, problems, messages: [], close: () => context.close() };
}

// The actions a test takes, as the session export writes them.
export const act = (kind, index = 0, list) => ({ kind, index, list });
export const choose = (list, index) => act('choose', index, list);
// A typical use: 4CH, NTSC, HIGH, the first resolution, 1/10, 1 Day, Calculate.
export const kTypical = [act('model', 1), act('mode', 0), choose('Combo1', 0), choose('Combo2', 2), choose('Combo3', 0),
  choose('Combo4', 9), choose('Combo5', 4), act('calculate')];
// The widest values a report shows: the longest record time, and the largest size.
export const kWidestTime = [act('model', 1), act('mode', 1), choose('Combo1', 1), choose('Combo2', 4),
  choose('Combo3', 1), choose('Combo4', 998), choose('Combo6', 8)];
export const kWidestSize = [act('model', 3), act('mode', 0), choose('Combo1', 0), choose('Combo2', 0),
  choose('Combo3', 2), choose('Combo4', 0), choose('Combo5', 13)];

export async function run(w, actions) {
  for (const a of actions) await apply(w, a);
}

// The widest reports of every language, calculated one after another: those that do not show each
// of their lines (10 for a record time, 9 for a size) on one line of the result box.
export async function widestReportsOff(w) {
  const off = [];
  for (const setting of [kWidestTime, kWidestSize]) {
    await run(w, setting);
    for (let language = 0; language < exported.languages.length; ++language) {
      await run(w, [act('language', language), act('calculate')]);
      const lines = (await seen(w)).result.split('\r\n');
      if (lines.length != (setting == kWidestTime ? 10 : 9) || !(await reportFits(w.page))) {
        off.push(`language ${language}: ${lines.join(' | ')}`);
      }
    }
  }
  return off;
}

// The user's actions of the session model, with the mouse; a list's entry chosen again raises no
// event in a select element, as for a user who picks the entry it already shows. The model only
// asks for what the page offers at that moment, and the states after each action show whether it
// was, so the clicks skip playwright's wait for a control to stand still (two frames each).
export async function apply(w, action) {
  const page = { click: (selector) => w.page.click(selector, { force: true }), $eval: w.page.$eval.bind(w.page),
    selectOption: (selector, option) => w.page.selectOption(selector, option, { force: true }) };
  switch (action.kind) {
    case 'model':
      return page.click(`#Option2_${action.index}`);
    case 'mode':
      return page.click(`#Option1_${action.index}`);
    case 'choose':
      if ((await page.$eval(`#${action.list}`, (l) => l.selectedIndex)) != action.index) {
        await page.selectOption(`#${action.list}`, { index: action.index });
      }
      return;
    case 'calculate':
      await page.click('#Count_BTN');
      return closeMessage(w);
    case 'clear':
      return page.click('#Clear_BTN');
    case 'language':
      await page.click('#Language_Main');
      return page.click(`#Language_${action.index}`);
  }
}

// Notes what a message box that is up says and presses its OK button, as the user would.
async function closeMessage(w) {
  const box = await w.page.$('#MessageBox[open]');
  if (box) {
    w.messages.push(await box.evaluate((b) => ({
      title: b.querySelector('h2').textContent, text: b.querySelector('p').textContent,
      buttons: b.querySelectorAll('button').length,
    })));
    await w.page.click('#MessageBox_OK', { force: true });
  }
}

const kStart = () => exported.sessions[0].start;

// What a user sees, in the form the session export writes it.
export async function seen(w) {
  const state = await w.page.evaluate((names) => {
    const out = { enabled: {}, visible: {}, captions: {}, selected: {} };
    for (const name of names.controls) {
      const element = document.getElementById(name);
      // An option's radio is its own child; a frame's belong to its options.
      const control = element.querySelector(':scope > input') || element;
      out.enabled[name] = control instanceof HTMLLabelElement ? !control.hasAttribute('data-disabled') : !control.disabled;
      out.visible[name] = element.checkVisibility();
      if (names.captioned.includes(name)) out.captions[name] = (element.querySelector('.caption') || element).textContent;
      if (element instanceof HTMLSelectElement) out.selected[name] = element.selectedIndex;
    }
    out.Combo3 = [...document.getElementById('Combo3').options].map((o) => o.textContent);
    // The text box keeps its lines, not their ends: each line break stands for the CR LF.
    out.result = document.getElementById('Text1').value.replace(/\n/g, '\r\n');
    return out;
  }, { controls: Object.keys(kStart().enabled), captioned: Object.keys(kStart().captions) });
  state.messages = w.messages.length;
  if (w.messages.length) {
    const { title, text } = w.messages.at(-1);
    state.lastMessage = { title, text };
  }
  return state;
}

// Whether every line of the result box fits its width: with wrapping off, nothing sticks out.
export function reportFits(page, id = 'Text1') {
  return page.$eval(`#${id}`, (box) => {
    box.wrap = 'off';
    const fits = box.scrollWidth <= box.clientWidth;
    box.wrap = 'soft';
    return fits;
  });
}
