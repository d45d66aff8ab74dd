// Takes the README's pictures of the page in headless chromium:
//   node tests/web/screenshots.mjs <folder>
// web-en.png: the typical capacity report in English; web-languages.png: the widest record time
// in all five languages side by side; web-phone.png: the same on a phone, in one column.
import { act, apply, kTypical as typical, kWidestTime, open, start } from './page_driver.mjs';

const folder = process.argv[2] ?? 'docs';
const widestTime = [...kWidestTime, act('calculate')];

const { browser, url, stop } = await start();
async function shoot(actions, file, viewport, language = 0) {
  const w = await open(browser, url, viewport);
  for (const a of actions) await apply(w, a);
  if (language) {
    await apply(w, act('language', language));
    await apply(w, act('calculate'));
  }
  await w.page.evaluate(() => document.activeElement.blur());
  await w.page.mouse.move(0, 0);
  const shot = viewport ? await w.page.screenshot({ fullPage: true }) : await w.page.locator('#Form1').screenshot();
  if (file) await import('node:fs').then((fs) => fs.writeFileSync(`${folder}/${file}`, shot));
  await w.close();
  return shot;
}

await shoot(typical, 'web-en.png');
await shoot(widestTime, 'web-phone.png', { width: 390, height: 844 });
// The five windows on one page, two to a row, as the desktop window's picture has them.
const shots = [];
for (let language = 0; language < 5; ++language) {
  shots.push((await shoot(widestTime, null, undefined, language)).toString('base64'));
}
const context = await browser.newContext({ viewport: { width: 1200, height: 400 } });
const sheet = await context.newPage();
await sheet.setContent(`<body style="margin:0;padding:8px;background:#d5dae1;display:grid;
  grid-template-columns:repeat(2,max-content);gap:8px">${shots.map((s) => `<img src="data:image/png;base64,${s}">`).join('')}</body>`);
await sheet.screenshot({ path: `${folder}/web-languages.png`, fullPage: true });
await stop();
console.log(`wrote ${folder}/web-en.png, ${folder}/web-languages.png and ${folder}/web-phone.png`);
