// Takes the README's picture of the page in the three browser engines, side by side:
//   node tests/web/screenshots_engines.mjs <folder> [width] [language]
// web-engines.png: the typical capacity report at desktop width (or `width`, in Language item
// `language`) in Debian's chromium (through playwright-core), firefox-esr and WebKitGTK's
// MiniBrowser, each through the engines' driver the page's tests use.
import { act, apply, kTypical, open, start } from './page_driver.mjs';
import { start as startEngine } from './engines.mjs';

const folder = process.argv[2] ?? 'docs';
const width = Number(process.argv[3] ?? 1024);
const language = Number(process.argv[4] ?? 0);
const kViewport = { width, height: width < 600 ? 900 : 640 };
const actions = [...kTypical, ...(language ? [act('language', language)] : [])];
const output = `${folder}/web-engines${width == 1024 && !language ? '' : `-${width}-${language}`}.png`;

// The window's place in the view, with nothing focused or hovered.
const windowBox = (page) => page.evaluate(() => {
  document.activeElement.blur();
  const box = document.getElementById('Form1').getBoundingClientRect();
  return { x: box.left, y: box.top, width: box.width, height: Math.min(box.height, innerHeight - box.top) };
});

const { browser, url, stop } = await start();

async function chromiumShot() {
  const w = await open(browser, url, kViewport);
  for (const a of actions) await apply(w, a);
  await w.page.mouse.move(0, 0);
  const box = await windowBox(w.page);
  const shot = await w.page.screenshot();
  await w.close();
  return { shot, box };
}

async function engineShot(engine) {
  const launched = await startEngine(engine);
  try {
    const w = await launched.open(kViewport);
    for (const a of actions) await apply(w, a);
    // The pointer off the window, on the page beside it, so that no button shows it.
    await w.page.clickAt(2, kViewport.height - 2);
    const box = await windowBox(w.page);
    return { shot: await w.page.screenshot(), box };
  } finally {
    await launched.stop();
  }
}

const engines = [['Chromium', await chromiumShot()], ['Firefox ESR', await engineShot('firefox')],
  ['WebKitGTK', await engineShot('webkit')]];
const tallest = Math.max(...engines.map(([, { box }]) => Math.round(box.height)));
const context = await browser.newContext({ viewport: { width: 1800, height: tallest + 40 } });
const sheet = await context.newPage();
const cells = engines.map(([name, { shot, box }]) => {
  const image = `<img src="data:image/png;base64,${shot.toString('base64')}" style="margin:${-Math.round(box.y)}px 0 0 ${-Math.round(box.x)}px">`;
  const frame = `<div style="width:${Math.round(box.width)}px;height:${Math.round(box.height)}px;overflow:hidden">${image}</div>`;
  return `<figure style="margin:0">${frame}<figcaption style="font:14px sans-serif;padding:4px 0">${name}</figcaption></figure>`;
});
await sheet.setContent(`<body style="margin:0;padding:8px;background:#d5dae1;display:flex;gap:12px;align-items:start;width:max-content">${cells.join('')}</body>`);
await sheet.locator('body').screenshot({ path: output });
await stop();
console.log(`wrote ${output}`);
