// Prints the page's size, raw and gzipped, and the time from navigation to a usable form in
// headless chromium: the median of several fresh loads, from disk and from a local server.
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { resolve } from 'node:path';
import { open, pageFile, start } from './page_driver.mjs';

const kLoads = 9;
const bytes = readFileSync(pageFile);
console.log(`page: ${bytes.length} bytes, ${gzipSync(bytes, { level: 9 }).length} gzipped`);
const { browser, url, stop } = await start();
for (const [where, address] of [['from disk', 'file://' + resolve(pageFile)], ['from 127.0.0.1', url]]) {
  const times = [];
  for (let i = 0; i < kLoads; ++i) {
    const w = await open(browser, address);
    times.push(Number(await w.page.getAttribute('#Form1', 'data-ready')));
    await w.close();
  }
  times.sort((a, b) => a - b);
  console.log(`usable ${where}: median ${times[kLoads >> 1]} ms after navigation (${times.join(', ')})`);
}
await stop();
