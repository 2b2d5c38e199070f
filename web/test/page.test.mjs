// The demo page in headless Chromium: findings appear as a field is typed and go when it is
// fixed, a rule relating two fields shows next to both, and the language switch changes the text.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../..', import.meta.url));
const modules = resolve(process.env.OLV_NODE_MODULES ?? join(root, 'build/wasm/npm/node_modules'));
const puppeteer = createRequire(join(modules, 'x.js'))('puppeteer-core');

const TYPES = { '.html': 'text/html', '.css': 'text/css', '.mjs': 'text/javascript', '.js': 'text/javascript', '.wasm': 'application/wasm' };

let server;
let browser;
let page;
let profile;

// The repository root as static files, as any server would give it.
function serve() {
  return createServer((req, res) => {
    const path = normalize(join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname)));
    try {
      if (!path.startsWith(root)) throw new Error('outside');
      const body = readFileSync(path);
      res.writeHead(200, { 'content-type': TYPES[extname(path)] ?? 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
}

before(async () => {
  server = serve();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  profile = mkdtempSync(join(tmpdir(), 'olv-chromium-'));
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  page = await browser.newPage();
  await page.setViewport({ width: 800, height: 1400 });
  await page.goto(`http://127.0.0.1:${server.address().port}/web/index.html`);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
});

after(async () => {
  await browser?.close();
  server?.close();
  if (profile) rmSync(profile, { recursive: true, force: true });
});

// The findings shown for a field: the element its aria-describedby names.
async function findingsOf(name) {
  return page.evaluate((n) => {
    const field = document.querySelector(`[name="${n}"]`);
    const box = document.getElementById(field.getAttribute('aria-describedby'));
    return box.dataset.findingsFor === n ? box.textContent.trim() : `wrong box: ${box.dataset.findingsFor}`;
  }, name);
}

async function fill(name, text) {
  await page.$eval(`[name="${name}"]`, (el) => {
    el.value = '';
  });
  await page.type(`[name="${name}"]`, text);
}

test('a wrong PESEL shows its finding, and the fixed one clears it', async () => {
  await fill('pesel', '44051401358');
  const shown = await findingsOf('pesel');
  assert.match(shown, /60005401/);
  assert.match(shown, /PESEL/);
  await fill('pesel', '44051401359');
  assert.equal(await findingsOf('pesel'), '');
});

test('fields each show their own findings', async () => {
  // [field, a wrong text, its code, a right text]
  const CASES = [
    ['nip', '1234563219', '60005101', '1234563218'],
    ['regon', '123456786', '60005201', '123456785'],
    ['birth_date', '31022020', '60005801', '14051944'],
  ];
  for (const [name, wrong, code, right] of CASES) {
    await fill(name, wrong);
    assert.match(await findingsOf(name), new RegExp(code), `${name} ${wrong}`);
    await fill(name, right);
    assert.equal(await findingsOf(name), '', `${name} ${right}`);
  }
});

test('a rule relating two fields shows next to both', async () => {
  await fill('period_from', '02012024');
  await fill('period_to', '01012024');
  for (const name of ['period_from', 'period_to']) assert.match(await findingsOf(name), /64002201/);
  await fill('period_to', '31012024');
  for (const name of ['period_from', 'period_to']) assert.equal(await findingsOf(name), '');
  await fill('pesel', '44051401359');
  await fill('birth_date', '15051944');
  for (const name of ['pesel', 'birth_date']) assert.match(await findingsOf(name), /62000901/);
  await fill('birth_date', '14051944');
  assert.equal(await findingsOf('pesel'), '');
});

test('the language switch changes the messages', async () => {
  await fill('pesel', '44051401358');
  await page.select('select[name="lang"]', 'pl');
  const polish = await findingsOf('pesel');
  await page.select('select[name="lang"]', 'en');
  const english = await findingsOf('pesel');
  assert.match(polish, /niepoprawny/);
  assert.match(english, /invalid/);
  assert.equal(await page.$eval('html', (el) => el.lang), 'en');
  if (process.env.OLV_SCREENSHOT) {
    await fill('period_to', '01012024');
    await fill('title_code', '041100');
    await page.screenshot({ path: process.env.OLV_SCREENSHOT, fullPage: true });
  }
});
