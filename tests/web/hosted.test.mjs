// The folder for a static host in Debian's chromium, served under a sub-path as many hosts do:
// installable as an app, kept by its service worker after one visit so that a reload with no
// network still calculates, and an older version's store replaced whole by the new one's.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { createHash } from 'node:crypto';
import { cp, mkdtemp, readFile, readdir, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { act, apply, kWidestSize, pageFile } from './page_driver.mjs';
import { serve } from '../../scripts/static-server.mjs';

const hostedFolder = process.env.KOLVEX_HOSTED ?? 'build-web/ui/web/hosted';
const kSubPath = 'tools/dvr/';
const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

let root, host, hits = 0;
const browsers = [];
before(async () => {
  root = await mkdtemp(join(tmpdir(), 'kolvex-hosted-'));
  host = await serve(join(root, 'site'));
  host.server.on('request', () => ++hits);
});
after(async () => {
  for (const context of browsers) await context.close();
  host.server.close();
  await rm(root, { recursive: true, force: true });
});

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');

// The files under a sub-path, each from `files` if given there, else from the build.
async function publish(files = {}, subPath = kSubPath) {
  const folder = join(root, 'site', subPath);
  await rm(folder, { recursive: true, force: true });
  await cp(hostedFolder, folder, { recursive: true });
  for (const [name, bytes] of Object.entries(files)) await writeFile(join(folder, name), bytes);
}

// A browser with a profile of its own, as a phone's is: chromium installs apps and keeps service
// workers only outside an incognito context.
async function browse() {
  const profile = await mkdtemp(join(root, 'profile-'));
  const context = await chromium.launchPersistentContext(profile, { executablePath: '/usr/bin/chromium',
    args: kFlags, viewport: { width: 1024, height: 640 } });
  browsers.push(context);
  const page = context.pages()[0] ?? (await context.newPage());
  const problems = [];
  page.on('console', (m) => m.type() == 'error' && problems.push(m.text()));
  page.on('pageerror', (e) => problems.push(e.message));
  const requests = [];
  context.on('request', (r) => requests.push(r.url()));
  return { context, page, problems, requests, messages: [] };
}

async function load(w, subPath = kSubPath) {
  const response = await w.page.goto(host.url + subPath);
  await w.page.waitForSelector('#Form1[data-ready]');
  return response;
}

// The state of the page's service worker once it has settled: its store's names.
const settled = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.ready;
  for (const worker of [registration.installing, registration.waiting]) {
    if (worker) {
      await new Promise((done) => {
        const check = () => ['activated', 'redundant'].includes(worker.state) && done();
        worker.addEventListener('statechange', check);
        check();
      });
    }
  }
  const active = registration.active;
  if (active.state != 'activated') await new Promise((done) => active.addEventListener('statechange', done));
  return { active: active.state, stores: await caches.keys() };
});

// The next version's worker looked for, as a visit does; what became of it.
const update = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update();
  const worker = registration.installing ?? registration.waiting;
  if (!worker) return 'unchanged';
  await new Promise((done) => {
    const check = () => ['activated', 'redundant'].includes(worker.state) && done();
    worker.addEventListener('statechange', check);
    check();
  });
  return worker.state;
});

// The SHA-256 of each file in a store, read through the page.
const stored = (page, name) => page.evaluate(async (name) => {
  const cache = await caches.open(name);
  const out = {};
  for (const request of await cache.keys()) {
    const bytes = await (await cache.match(request)).arrayBuffer();
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
    out[new URL(request.url).pathname.split('/').pop()] = Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  }
  return out;
}, name);

// The SHA-256 of each file of the build that the worker stores: all but itself.
async function built() {
  const out = {};
  for (const name of await readdir(hostedFolder)) {
    if (name != 'service-worker.js') out[name] = sha256(await readFile(join(hostedFolder, name)));
  }
  return out;
}

// The name of the store the build's worker fills in a folder, from the worker's version.
const kVersion = /const kVersion = '([^']+)'/;
const workerVersion = async () => (await readFile(join(hostedFolder, 'service-worker.js'), 'utf8')).match(kVersion)[1];
const storeName = (subPath, version) => `kolvex-calculator ${host.url}${subPath} ${version}`;

const kLargestSize = [...kWidestSize, act('calculate')];
const report = (page) => page.$eval('#Text1', (box) => box.value);

// A second copy on the same host, in another folder, keeps its own store.
const kOtherPath = 'x/';

test('the hosted page: installable, kept after one visit, and with no network a reload still calculates', async () => {
  const version = await workerVersion();
  const stores = [];
  const w = await browse();
  for (const subPath of [kSubPath, kOtherPath]) {
    await publish({}, subPath);
    await load(w, subPath);
    stores.push(storeName(subPath, version));
    assert.deepEqual(await settled(w.page), { active: 'activated', stores }, subPath);
    const cdp = await w.context.newCDPSession(w.page);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, [], subPath);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, [], subPath);
    assert.equal(manifest.url, host.url + subPath + 'manifest.webmanifest');
    assert.deepEqual(await stored(w.page, stores.at(-1)), await built(), subPath);
    assert.ok(w.requests.every((address) => address.startsWith(host.url + subPath)), w.requests.join('\n'));
    w.requests.length = 0;
  }

  await w.context.setOffline(true);
  const before = hits;
  for (const subPath of [kSubPath, kOtherPath]) {
    const response = await load(w, subPath);
    assert.ok(response.fromServiceWorker(), `the page in ${subPath} came from the worker`);
    for (const a of kLargestSize) await apply(w, a);
    assert.match(await report(w.page), /: 7751\.9531 GB\r?\n/);
  }
  assert.equal(hits, before, 'nothing reached the host');
  assert.deepEqual(w.problems, []);
});

test('a copy in a folder below another is its own page, online and offline', async () => {
  // The copy below: its own page (marked), and its worker with that page's hash.
  const worker = await readFile(join(hostedFolder, 'service-worker.js'), 'utf8');
  const page = await readFile(join(hostedFolder, 'index.html'), 'utf8');
  const belowPage = page.replace('<head>', '<head><meta name="kolvex-below" content="">');
  const below = kSubPath + 'beta/';
  const w = await browse();
  await publish();
  await load(w);
  await settled(w.page);
  await publish({ 'index.html': belowPage, 'service-worker.js': worker.replace(sha256(page), sha256(belowPage)) },
    below);
  const isBelow = () => w.page.evaluate(() => document.querySelector('meta[name="kolvex-below"]') != null);
  await load(w, below);
  assert.equal(await isBelow(), true, 'the first visit below shows the copy below, not the store above');
  assert.ok((await settled(w.page)).stores.includes(storeName(below, await workerVersion())));
  await w.context.setOffline(true);
  for (const [subPath, expected] of [[below, true], [kSubPath, false]]) {
    await load(w, subPath);
    assert.equal(await isBelow(), expected, `${subPath} with no network`);
  }
  assert.deepEqual(w.problems, []);
});

test('the hosted page\'s policy allows its manifest, icons and worker beyond the one-file page\'s, nothing else', async () => {
  // Each directive's sources.
  const policy = async (file) => Object.fromEntries((await readFile(file, 'utf8'))
    .match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1].split(';')
    .map((d) => d.trim().split(/\s+/)).map(([name, ...sources]) => [name, sources]));
  const hosted = await policy(join(hostedFolder, 'index.html'));
  const disk = await policy(pageFile);
  const added = {};
  for (const [name, sources] of Object.entries(hosted)) {
    assert.deepEqual((disk[name] ?? []).filter((s) => !sources.includes(s)), [], `${name} lost a source`);
    const more = sources.filter((s) => !(disk[name] ?? []).includes(s));
    if (more.length) added[name] = more;
  }
  assert.deepEqual(Object.keys(disk).filter((name) => !(name in hosted)), []);
  assert.deepEqual(added, { 'manifest-src': ["'self'"], 'worker-src': ["'self'"], 'img-src': ["'self'"] });
});

test('an older version\'s store is replaced whole, and not while the host still serves a mix', async () => {
  // The older version: another page, and a worker that names another store with that page's hash.
  const worker = await readFile(join(hostedFolder, 'service-worker.js'), 'utf8');
  const page = await readFile(join(hostedFolder, 'index.html'), 'utf8');
  const oldPage = page.replace('<head>', '<head><meta name="kolvex-older" content="">');
  const oldStore = storeName(kSubPath, '0.1-0123456789abcdef');
  const oldWorker = worker.replace(kVersion, "const kVersion = '0.1-0123456789abcdef'").replace(sha256(page), sha256(oldPage));
  assert.notEqual(oldWorker, worker);
  await publish({ 'index.html': oldPage, 'service-worker.js': oldWorker });
  const w = await browse();
  await load(w);
  assert.deepEqual((await settled(w.page)).stores, [oldStore]);
  const older = () => w.page.evaluate(() => document.querySelector('meta[name="kolvex-older"]') != null);
  assert.equal(await older(), true);

  // Half uploaded: the new worker with the older page; the worker finds the page is not its own.
  await publish({ 'index.html': oldPage });
  assert.equal(await update(w.page), 'redundant');
  assert.deepEqual((await settled(w.page)).stores, [oldStore]);

  await publish();
  await load(w);
  assert.equal(await update(w.page), 'activated');
  const newStore = storeName(kSubPath, await workerVersion());
  assert.deepEqual((await settled(w.page)).stores, [newStore]);
  assert.deepEqual(await stored(w.page, newStore), await built());
  await w.context.setOffline(true);
  await load(w);
  assert.equal(await older(), false, 'the new version\'s page, with no network');
  assert.deepEqual(w.problems.filter((p) => !/not this version's/.test(p)), []);
});
