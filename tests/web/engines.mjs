// The calculator's page in the two other browser engines a user is likely to have: Firefox ESR
// through puppeteer-core over WebDriver BiDi, and WebKitGTK's MiniBrowser under Xvfb through
// WebKitWebDriver and selenium-webdriver. Each page is wrapped in the part of playwright's page
// that page_driver.mjs uses, so that its apply() and seen() work the page the same way in every
// engine; what differs between the engines stays in here:
// - WebKit's WebDriver hands over no console messages: its page is served with a first script
//   that notes uncaught errors and console errors where problems() reads them;
// - WebKit reports a <select> as role "button": roleIs() takes it as "combobox", as the others give it;
// - the locale comes from a BiDi override per context in Firefox, from LANG of the driver process
//   in WebKit (one WebKitWebDriver per locale).
// A <textarea> gives CR LF back as LF in every engine, by HTML's rule; seen() takes each line break
// for the CR LF the report has.
import puppeteer from 'puppeteer-core';
import { Builder, By, Capabilities, Key } from 'selenium-webdriver';
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { basename, dirname, extname } from 'node:path';
import { pageFile } from './page_driver.mjs';
import { serve } from '../../scripts/static-server.mjs';

export const kEngines = ['firefox', 'webkit'];

const kFirefox = '/usr/bin/firefox-esr';
const kWebKitDriver = '/usr/bin/WebKitWebDriver';
// In the machine's own multiarch folder: /usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser.
const kMiniBrowser = readdirSync('/usr/lib').map((arch) => `/usr/lib/${arch}/webkit2gtk-4.1/MiniBrowser`)
  .find((path) => existsSync(path));
const kPackages = JSON.parse(readFileSync(new URL('./package-lock.json', import.meta.url), 'utf8')).packages;
const packageVersion = (name) => kPackages[`node_modules/${name}`].version;

// Set before the page's own script runs; problems() reads it.
const kRecorder = `<script>window.kolvexProblems=[];` +
  `addEventListener('error',function(e){kolvexProblems.push(String(e.message))});` +
  `addEventListener('unhandledrejection',function(e){kolvexProblems.push(String(e.reason))});` +
  `(function(log){console.error=function(){kolvexProblems.push([].join.call(arguments,' '));` +
  `return log.apply(console,arguments)}})(console.error);</script>`;

// With ?record the page gets the recorder as its first script.
const recorded = (address, file, body) => (extname(file) == '.html' && address.searchParams.has('record')
  ? body.toString('utf8').replace(/<head>/i, (head) => head + kRecorder) : body);

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Keys as playwright names them: "Enter", "Alt+l", "F10".
function splitKey(key) {
  const parts = key.split('+');
  return { modifiers: parts.slice(0, -1), key: parts.at(-1) };
}

const selectByIndex = (list, index) => {
  list.selectedIndex = index;
  list.dispatchEvent(new Event('input', { bubbles: true }));
  list.dispatchEvent(new Event('change', { bubbles: true }));
};

// The computed role, with WebKit's "button" for a select element given as the others give it.
const normalRole = (role, tag) => (tag == 'SELECT' && role == 'button' ? 'combobox' : role);

async function launchFirefox() {
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: kFirefox, headless: true });
  return {
    version: `${await browser.version()} through puppeteer-core ${packageVersion('puppeteer-core')}`,
    stop: () => browser.close(),
    async open(url, { width, height, locale }) {
      const context = await browser.createBrowserContext();
      await browser.connection.send('emulation.setLocaleOverride', { locale, userContexts: [context.id] });
      const page = await context.newPage();
      await page.setViewport({ width, height });
      const problems = [];
      page.on('console', (m) => m.type() == 'error' && problems.push(m.text()));
      page.on('pageerror', (e) => problems.push(e.message));
      const wrapped = {
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        $eval: (selector, fn, arg) => page.$eval(selector, fn, arg),
        $: (selector) => page.$(selector),
        click: (selector) => page.click(selector),
        clickAt: (x, y) => page.mouse.click(x, y),
        selectOption: (selector, { index }) => page.$eval(selector, selectByIndex, index),
        keyboard: {
          async press(key) {
            const { modifiers, key: last } = splitKey(key);
            for (const m of modifiers) await page.keyboard.down(m);
            await page.keyboard.press(last == 'Space' ? ' ' : last);
            for (const m of modifiers.reverse()) await page.keyboard.up(m);
          },
        },
        // The view as a PNG.
        screenshot: async () => Buffer.from(await page.screenshot()),
        // puppeteer's aria query asks the browser's accessibility tree.
        async roleIs(selector, role) {
          const element = await page.$(selector);
          for (const candidate of await page.$$(`::-p-aria([role="${role}"])`)) {
            if (await candidate.evaluate((c, e) => c == e, element)) return true;
          }
          return false;
        },
      };
      const load = async () => {
        await page.goto(url);
        await page.waitForSelector('#Form1[data-ready]');
      };
      await load();
      return { page: wrapped, reload: load, problems: async () => problems, close: () => context.close() };
    },
  };
}

async function startX() {
  const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const display = await new Promise((resolve, reject) => {
    xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
    xvfb.stdout.once('data', (d) => resolve(':' + String(d).trim()));
  });
  return { display, stop: () => xvfb.kill() };
}

const kWebKitKeys = { Enter: Key.ENTER, Escape: Key.ESCAPE, ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP,
  Home: Key.HOME, End: Key.END, F10: Key.F10, Tab: Key.TAB, Space: Key.SPACE, Alt: Key.ALT, Control: Key.CONTROL,
  Shift: Key.SHIFT };

async function launchWebKit() {
  const x = await startX();
  const drivers = new Map();
  // One driver and one MiniBrowser per locale, each started when first needed.
  async function session(locale) {
    if (!drivers.has(locale)) {
      const port = await freePort();
      const lang = locale.replace('-', '_') + '.UTF-8';
      const process_ = spawn(kWebKitDriver, [`--port=${port}`], { stdio: 'ignore',
        env: { ...process.env, DISPLAY: x.display, LANG: lang, LC_ALL: lang, LANGUAGE: locale.replace('-', '_') } });
      const caps = new Capabilities({ browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] } });
      let driver;
      for (let tries = 0; !driver; ++tries) {
        try {
          driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities(caps).build();
        } catch (e) {
          if (tries > 50) throw e;
          await new Promise((r) => setTimeout(r, 100));
        }
      }
      drivers.set(locale, { driver, process: process_ });
    }
    return drivers.get(locale).driver;
  }
  const first = await session('en-US');
  const version = (await first.getCapabilities()).get('browserVersion');
  return {
    version: `WebKitGTK ${version} through WebKitWebDriver and selenium-webdriver ${packageVersion('selenium-webdriver')}`,
    async stop() {
      for (const { driver, process: p } of drivers.values()) {
        await driver.quit();
        p.kill();
      }
      x.stop();
    },
    async open(url, { width, height, locale }) {
      const driver = await session(locale);
      // The window's size such that the page gets the width asked for; MiniBrowser's window has a
      // least width (447 px of page here), so a phone's width is out of reach.
      await driver.manage().window().setRect({ width, height });
      const inner = await driver.executeScript('return [innerWidth, innerHeight]');
      await driver.manage().window().setRect({ width: 2 * width - inner[0], height: 2 * height - inner[1] });
      const call = (fn, ...args) => driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args);
      const wrapped = {
        evaluate: (fn, arg) => call(fn, arg),
        $eval: (selector, fn, arg) => call(`function (s, a) { return (${fn})(document.querySelector(s), a); }`, selector, arg),
        async $(selector) {
          const found = await driver.findElements(By.css(selector));
          return found.length ? { evaluate: (fn) => wrapped.$eval(selector, fn) } : null;
        },
        click: async (selector) => (await driver.findElement(By.css(selector))).click(),
        clickAt: (x_, y) => driver.actions().move({ x: Math.round(x_), y: Math.round(y), origin: 'viewport' }).click().perform(),
        selectOption: (selector, { index }) => wrapped.$eval(selector, selectByIndex, index),
        keyboard: {
          async press(key) {
            const { modifiers, key: last } = splitKey(key);
            let actions = driver.actions();
            for (const m of modifiers) actions = actions.keyDown(kWebKitKeys[m]);
            actions = actions.sendKeys(kWebKitKeys[last] ?? last);
            for (const m of modifiers.reverse()) actions = actions.keyUp(kWebKitKeys[m]);
            await actions.perform();
          },
        },
        // The view as a PNG, once the page has drawn what a script changed (WebDriver does not wait).
        async screenshot() {
          await driver.executeAsyncScript('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))');
          return Buffer.from(await driver.takeScreenshot(), 'base64');
        },
        async roleIs(selector, role) {
          const element = await driver.findElement(By.css(selector));
          return normalRole(await element.getAriaRole(), (await element.getTagName()).toUpperCase()) == role;
        },
      };
      const recorded = url.startsWith('http') ? url + (url.includes('?') ? '&' : '?') + 'record' : url;
      const load = async () => {
        await driver.get(recorded);
        await driver.wait(async () => (await driver.findElements(By.css('#Form1[data-ready]'))).length > 0, 20000);
      };
      await load();
      return {
        page: wrapped,
        reload: load,
        problems: () => driver.executeScript('return window.kolvexProblems || ["the recorder did not run"]'),
        close: () => driver.get('about:blank'),
      };
    },
  };
}

// The engine with a server for the page's folder. open() gives a freshly loaded page once its form
// is usable, in the shape page_driver.mjs's apply() and seen() take.
export async function start(engine) {
  const launched = await (engine == 'firefox' ? launchFirefox() : launchWebKit());
  const { server, url } = await serve(dirname(pageFile), 0, recorded);
  const address = url + basename(pageFile);
  return {
    version: launched.version,
    url: address,
    // The page's width is the one asked for, or the least the engine's window allows.
    async open({ width = 1024, height = 640, locale = 'en-US' } = {}) {
      const w = await launched.open(address, { width, height, locale });
      return { ...w, messages: [], width: await w.page.evaluate(() => innerWidth) };
    },
    stop: async () => {
      await launched.stop();
      server.close();
    },
  };
}
