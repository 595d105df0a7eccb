// The site as a student meets it, in the system's chromium (headless) from
// a local server: the page ready (module loaded, editor usable) from the
// start of the navigation; from "実行" to the window shown for a run that
// prints 100 000 OUT lines and for 3000 passes; one replay step; and the
// module alone (in node) on the worst case of a pass (43 instructions a
// pass, ";LMT99999MEX", about two million instructions). Each figure is the best of several tries, in milliseconds. Targets:
// 1000, 150 and 10 ms. A run or a step counts up to its window laid out.
//   node bench/web/site_bench.mjs SITE_FOLDER   (from the web folder's packages)
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const web = join(here, '../../web');
const require = createRequire(join(web, 'package.json'));
const puppeteer = require('puppeteer-core');
const { serveSite, chromiumArguments } = await import(join(web, 'tests/site_server.mjs'));
const programs = join(here, '../programs');
const site = process.argv[2] ?? join(here, '../../build-web/site');
const tries = 5;

const server = await serveSite(site);
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: chromiumArguments });
const best = (values) => Math.min(...values).toFixed(1);
try {
  const page = await browser.newPage();
  const ready = [];
  for (let n = 0; n < tries; ++n) {
    await page.goto(server.url);
    await page.waitForSelector('body[data-ready="true"]');
    ready.push(await page.evaluate(() => window.readyAt));
  }
  console.log(`page ready: ${best(ready)} ms (target 1000)`);

  // From a click to the window's new content laid out (the frame that then
  // paints it follows at the display's next refresh).
  const timedClick = (selector) => page.evaluate((button) => {
    const start = performance.now();
    document.querySelector(button).click();
    void document.querySelector('#execution-window').getBoundingClientRect();
    void document.querySelector('#run-list .rows').offsetHeight;
    return performance.now() - start;
  }, selector);
  for (const [name, file] of [['100 000 OUT lines', 'out_lines_loop.txt'],
    ['3000 passes', 'count_loop_3000.txt']]) {
    const times = [];
    for (let n = 0; n < tries; ++n) {
      await page.goto(server.url);
      await page.waitForSelector('body[data-ready="true"]');
      const input = await page.$('#open-file');
      await input.uploadFile(join(programs, file));
      await page.waitForFunction(() => document.querySelector('#message-list').children.length > 0);
      times.push(await timedClick('#run-button'));
    }
    console.log(`run and show, ${name}: ${best(times)} ms (target 150)`);
    // The notice of the 999-step history limit, taken as read.
    if (await page.$('#message-box[open]')) await page.click('#message-box .dialog-ok');
    const steps = [];
    for (let n = 0; n < 20; ++n) steps.push(await timedClick('#step-forward'));
    const counter = await page.$eval('#step-counter', (element) => element.textContent);
    console.log(`one replay step, ${name}: ${best(steps)} ms (target 10; ${counter})`);
  }
} finally {
  await browser.close();
  server.close();
}

// The worst case of a pass asks IN at every pass, which the page asks one box
// at a time; here the module runs it with every answer given at once (a
// cancelled box each), as the desktop's benchmark answers at once.
const module = await require(join(site, 'casl2wb-web.js'))();
const workbench = new module.Workbench();
const text = module.editorTextOfFile(readFileSync(join(programs, 'all_instructions_loop.txt')));
workbench.check(text, false, '');
const answers = JSON.stringify(new Array(100000).fill(null));
const runs = [];
for (let n = 0; n < tries; ++n) {
  const start = performance.now();
  const state = JSON.parse(workbench.run(answers, false));
  JSON.parse(workbench.lines('list', state.listSize - 400, 400));
  runs.push(performance.now() - start);
}
console.log(`module run, worst pass with every IN answered: ${best(runs)} ms (target 150)`);
