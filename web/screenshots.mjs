// The README's pictures of the site, in the system's chromium (headless):
// docs/screenshots/web_editor.png (a check that found errors) and
// docs/screenshots/web_replay.png (a replayed step of a run).
//   node screenshots.mjs SITE_FOLDER
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serveSite, chromiumArguments } from './tests/site_server.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const site = process.argv[2] ?? join(root, 'build-web/site');
const server = await serveSite(site);
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: chromiumArguments });
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="true"]');
  const open = async (file) => {
    const input = await page.$('#open-file');
    await input.uploadFile(join(root, 'examples', file));
    await page.waitForFunction(() => document.querySelector('#message-list').children.length > 0);
  };
  await open('errors.txt');
  await page.screenshot({ path: join(root, 'docs/screenshots/web_editor.png') });

  await open('echo.txt');
  await page.click('[data-action="executionWindows"]');
  await page.click('#run-button');
  await page.waitForSelector('#input-box[open]');
  await page.type('#input-box input', 'COMET');
  await page.click('#input-box .dialog-ok');
  await page.waitForFunction(() => document.querySelector('#run-end').textContent !== '');
  for (let n = 0; n < 4; ++n) await page.click('#step-forward');
  await page.screenshot({ path: join(root, 'docs/screenshots/web_replay.png') });
} finally {
  await browser.close();
  server.close();
}
