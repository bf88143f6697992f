// Steps in the page that the browser tests and the benchmarks share.
import { spawn } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export function check(condition, what) {
  if (!condition) throw new Error(what);
}

// A folder of count Tyros bank files, "Bank 001" on, made from the example's banks.
export function bankFolder(examples, count) {
  const folder = mkdtempSync(join(tmpdir(), 'kalivo-banks-'));
  const banks = readdirSync(join(examples, 'tyros'));
  for (let i = 0; i < count; i++) {
    const model = banks[i % banks.length];
    copyFileSync(join(examples, 'tyros', model), join(folder, `Bank ${String(i + 1).padStart(3, '0')}${model.slice(model.indexOf('.'))}`));
  }
  return folder;
}

// The site on a free port of this machine.
export async function serve(siteDir) {
  const server = spawn('python3', ['-m', 'http.server', '0', '--bind', '127.0.0.1', '-d', siteDir],
                       { stdio: ['ignore', 'pipe', 'pipe'] });
  const port = await new Promise((done, fail) => {
    server.stdout.on('data', (data) => {
      const match = /port (\d+)/.exec(String(data));
      if (match) done(Number(match[1]));
    });
    server.on('exit', () => fail(new Error('the web server did not start')));
  });
  return { server, origin: `http://127.0.0.1:${port}` };
}

// Debian's Chromium; as root it runs without its sandbox.
export function launch() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
}


// The open dialog, or the one with that title (another may still be closing).
export async function dialog(page, title) {
  return page.waitForSelector(title ? `dialog[open]:has(h2:text-is("${title}"))` : 'dialog[open]');
}

export async function press(page, command) {
  await page.click(`[data-command="${command}"]`);
}

export async function answerList(page, label, pick) {
  const box = await dialog(page, label);
  const select = await box.$('select');
  const options = await select.$$eval('option', (all) => all.map((o) => ({ value: o.value, text: o.textContent })));
  await select.selectOption(pick(options).map((o) => o.value));
  await (await box.$('button:text-is("OK")')).click();
}

export async function chooseModel(page, name) {
  await press(page, 'Model');
  await answerList(page, 'Select Keyboard Model', (options) => options.filter((o) => o.text.trim() === name));
}

export async function folderDialog(page) { return page.waitForSelector('dialog[open]:has(#folderInput)'); }

export async function openFolder(page, folder) {
  const box = await folderDialog(page);
  await (await box.$('#folderInput')).setInputFiles(folder);
}

export async function newOutputFolder(page) {
  const box = await folderDialog(page);
  await (await box.$('button:text-matches("New empty folder")')).click();
}

// What a list holds, drawn or not (the list draws only the lines in view).
export async function lines(page, pane) {
  return page.evaluate((p) => Kalivo.list(p).lines, pane);
}

// The line's element, scrolled into view as the person would.
export async function lineElement(page, pane, line) {
  await page.evaluate(([p, l]) => {
    const list = Kalivo.list(p);
    list.element.scrollTop = Math.max(0, (l + 0.5) * list.lineHeight - list.element.clientHeight / 2);
  }, [pane, line]);
  return page.waitForSelector(`#${pane}List li[data-line="${line}"]`);
}

export async function clickLine(page, pane, line) {
  await (await lineElement(page, pane, line)).click();
  await page.waitForFunction(([p, l]) => document.querySelector(`#${p}List li[data-line="${l}"]`)
    .getAttribute('aria-selected') === 'true', [pane, line]);
}

export async function idle(page) {
  await page.waitForFunction(() => !document.querySelector('dialog[open]'));
  await page.evaluate(() => Kalivo.call('kalivo_command_states'));
}

export async function headerLines(page, pane) {
  return page.evaluate((p) => Kalivo.list(p).headers.flatMap((header, i) => (header ? [i] : [])), pane);
}

// A fresh page (its own storage); clean() fails on errors in the page and on
// any request that left the page's origin.
export async function openPage(browser, origin) {
  const context = await browser.newContext({ acceptDownloads: true, viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const offsite = [];
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (url.protocol !== 'data:' && url.origin !== origin) offsite.push(request.url());
  });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(origin);
  await page.waitForSelector('body[data-ready="true"]');
  const clean = () => {
    check(errors.length === 0, `errors in the page: ${errors}`);
    check(offsite.length === 0, `requests outside the page's origin: ${offsite}`);
  };
  return { page, context, clean };
}
