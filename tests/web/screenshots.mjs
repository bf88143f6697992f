// Draws the README's pictures of the page: the window with the Tyros example
// loaded on a 1366 x 768 screen, and the same on a tablet held upright.
// Usage: node screenshots.mjs SITE_DIR OUTDIR
import { join, resolve } from 'node:path';

import { answerList, chooseModel, idle, launch, openFolder, openPage, press, serve } from './steps.mjs';

const [siteDir, outDir] = process.argv.slice(2).map((path) => resolve(path));
const examples = resolve(new URL('../../examples', import.meta.url).pathname);

const { server, origin } = await serve(siteDir);
const browser = await launch();
for (const [name, viewport] of [['web-window.png', { width: 1366, height: 768 }],
                                ['web-tablet.png', { width: 768, height: 1024 }]]) {
  const { page, context } = await openPage(browser, origin);
  await page.setViewportSize(viewport);
  await chooseModel(page, 'Tyros');
  await press(page, 'LoadArchiveLeft');
  await openFolder(page, join(examples, 'tyros'));
  await answerList(page, 'Select Registration Banks', (options) => options);
  await idle(page);
  await page.screenshot({ path: join(outDir, name) });
  await context.close();
}
await browser.close();
server.kill();
console.log(`pictures of the page written to ${outDir}`);
