// Takes the README's picture of the page in the three browser engines, side by side:
//   node tests/web/screenshots_engines.mjs <folder>
// web-engines.png: the typical capacity report at desktop width in Debian's chromium (through
// playwright-core), firefox-esr (puppeteer-core over WebDriver BiDi) and WebKitGTK's MiniBrowser
// (selenium-webdriver and WebKitWebDriver, under a private Xvfb).
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';
import { Builder } from 'selenium-webdriver';
import { apply, kTypical as typical, open, start } from './page_driver.mjs';

const folder = process.argv[2] ?? 'docs';
const kViewport = { width: 1024, height: 640 };

// The same choices made inside the page, for the engines without playwright: a click on an
// option or a button, a list's entry chosen and its change reported, as a user's choice is.
function choiceScript(actions) {
  return `(${(steps) => {
    for (const a of steps) {
      if (a.kind == 'model') document.querySelector(`#Option2_${a.index} input`).click();
      else if (a.kind == 'mode') document.querySelector(`#Option1_${a.index} input`).click();
      else if (a.kind == 'calculate') document.getElementById('Count_BTN').click();
      else {
        const list = document.getElementById(a.list);
        list.selectedIndex = a.index;
        list.dispatchEvent(new Event('change', { bubbles: true }));
      }
    }
    document.activeElement.blur();
    const box = document.getElementById('Form1').getBoundingClientRect();
    return { x: box.left, y: box.top, width: box.width, height: box.height };
  }})(${JSON.stringify(actions)})`;
}

const { browser, url, stop } = await start();

async function chromiumShot() {
  const w = await open(browser, url, kViewport);
  for (const a of typical) await apply(w, a);
  await w.page.evaluate(() => document.activeElement.blur());
  await w.page.mouse.move(0, 0);
  const shot = await w.page.locator('#Form1').screenshot();
  await w.close();
  return { shot };
}

async function firefoxShot() {
  const firefox = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true });
  try {
    const page = await firefox.newPage();
    await page.setViewport(kViewport);
    await page.goto(url);
    await page.waitForSelector('#Form1[data-ready]');
    await page.evaluate(choiceScript(typical));
    const shot = await (await page.$('#Form1')).screenshot();
    return { shot: Buffer.from(shot) };
  } finally {
    await firefox.close();
  }
}

// MiniBrowser has no headless mode here: it runs on its own X display. Its element screenshots
// come back black, so the window is cut out of a screenshot of the whole view.
async function webkitShot() {
  // A free display and a free port, whatever else runs on the machine.
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x900x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = `:${(await new Promise((resolve) => xvfb.stdio[3].once('data', resolve))).toString().trim()}`;
  const port = await new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port: free } = probe.address();
      probe.close(() => resolve(free));
    });
  });
  const driverProcess = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore',
    env: { ...process.env, DISPLAY: display, LANG: 'en_US.UTF-8' } });
  for (let tries = 0; !(await fetch(`http://127.0.0.1:${port}/status`).then((r) => r.ok, () => false)); ++tries) {
    if (tries == 50) throw new Error('WebKitWebDriver did not start');
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
  }).build();
  try {
    await driver.manage().window().setRect({ width: kViewport.width, height: kViewport.height });
    await driver.get(url);
    await driver.wait(async () => driver.executeScript("return !!document.querySelector('#Form1[data-ready]')"), 20000);
    const box = await driver.executeScript(`return ${choiceScript(typical)}`);
    // WebDriver's screenshot does not wait for the page to draw what the script changed.
    await driver.executeAsyncScript('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))');
    const shot = Buffer.from(await driver.takeScreenshot(), 'base64');
    return { shot, box };
  } finally {
    await driver.quit();
    driverProcess.kill();
    xvfb.kill();
  }
}

const engines = [['Chromium', await chromiumShot()], ['Firefox ESR', await firefoxShot()], ['WebKitGTK', await webkitShot()]];
const context = await browser.newContext({ viewport: { width: 1800, height: 400 } });
const sheet = await context.newPage();
const cells = engines.map(([name, { shot, box }]) => {
  const image = `<img src="data:image/png;base64,${shot.toString('base64')}"` +
    (box ? ` style="margin:${-Math.round(box.y)}px 0 0 ${-Math.round(box.x)}px">` : '>');
  const frame = box ? `<div style="width:${Math.round(box.width)}px;height:${Math.round(box.height)}px;overflow:hidden">${image}</div>` : image;
  return `<figure style="margin:0">${frame}<figcaption style="font:14px sans-serif;padding:4px 0">${name}</figcaption></figure>`;
});
await sheet.setContent(`<body style="margin:0;padding:8px;background:#d5dae1;display:flex;gap:12px;align-items:start;width:max-content">${cells.join('')}</body>`);
await sheet.locator('body').screenshot({ path: `${folder}/web-engines.png` });
await stop();
console.log(`wrote ${folder}/web-engines.png`);
