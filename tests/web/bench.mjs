// Benchmarks of the browser edition (numbers, not pass or fail):
// - time from opening the page to the window being usable, median of 5;
// - the bytes a browser transfers for the site, gzip-compressed;
// - load and list of 512 generated Tyros bank files in the page, against
//   kalivo-cli list on the same files in the same run.
// Usage: node bench.mjs SITE_DIR KALIVO_CLI
import { spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

import { bankFolder, chooseModel, headerLines, launch, openFolder, openPage, press, serve } from './steps.mjs';

const [siteDir, cli] = process.argv.slice(2).map((path) => resolve(path));
const examples = resolve(new URL('../../examples', import.meta.url).pathname);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function siteSize() {
  let raw = 0;
  let gzip = 0;
  for (const name of readdirSync(siteDir)) {
    const bytes = readFileSync(join(siteDir, name));
    raw += bytes.length;
    gzip += gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, gzip };
}

function nativeList(folder) {
  const times = [];
  for (let i = 0; i < 5; i++) {
    const start = process.hrtime.bigint();
    const run = spawnSync(cli, ['list', '--model', 'Tyros', '--folder', folder], { maxBuffer: 1 << 26 });
    times.push(Number(process.hrtime.bigint() - start) / 1e6);
    if (run.status !== 0) throw new Error(`kalivo-cli list failed: ${run.stderr}`);
  }
  return median(times);
}

const { server, origin } = await serve(siteDir);
const browser = await launch();
const usable = [];
for (let i = 0; i < 5; i++) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const start = Date.now();
  await page.goto(origin);
  await page.waitForSelector('body[data-ready="true"]');
  usable.push(Date.now() - start);
  await context.close();
}

const folder = bankFolder(examples, 512);
const copyIn = [];
const loadList = [];  // ms
const drawList = [];
for (let i = 0; i < 3; i++) {
  const { page, context } = await openPage(browser, origin);
  await chooseModel(page, 'Tyros');
  await press(page, 'LoadArchiveLeft');
  let start = Date.now();
  await openFolder(page, folder);
  await page.waitForSelector('dialog[open]:has(h2:text-is("Select Registration Banks"))');
  copyIn.push(Date.now() - start);
  const box = await page.$('dialog[open]');
  await (await box.$('select')).evaluate((select) => { for (const option of select.options) option.selected = true; });
  await (await box.$('button:text-is("OK")')).click();
  // From the answer to the end of the command, and to the list on the screen
  // (waited for without calling into the page, which would count as a command).
  await page.waitForFunction(() => Kalivo.timing.finished > Dialogs.timing.answeredAt &&
                                   Kalivo.timing.drawn > Kalivo.timing.finished);
  loadList.push(await page.evaluate(() => Kalivo.timing.finished - Dialogs.timing.answeredAt));
  drawList.push(await page.evaluate(() => Kalivo.timing.drawn - Dialogs.timing.answeredAt));
  const banks = (await headerLines(page, 'source')).length;
  if (banks !== 512) throw new Error(`${banks} banks shown, not 512`);
  await context.close();
}
const native = nativeList(folder);
await browser.close();
server.kill();

const size = siteSize();
console.log(`site: ${(size.raw / 1024).toFixed(0)} KiB, ${(size.gzip / 1024).toFixed(0)} KiB gzip-compressed`);
console.log(`opening the page until the window is usable: ${median(usable)} ms (median of 5)`);
console.log(`512 Tyros bank files copied into the page: ${median(copyIn)} ms (median of 3)`);
console.log(`512 Tyros bank files loaded and listed: page ${median(loadList).toFixed(0)} ms` +
            ` (on the screen after ${median(drawList).toFixed(0)} ms), kalivo-cli list ${native.toFixed(0)} ms,` +
            ` ratio ${(median(loadList) / native).toFixed(2)}, on the screen ${(median(drawList) / native).toFixed(2)}` +
            ' (kalivo-cli as built in that folder)');
