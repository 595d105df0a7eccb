// The page in a real browser (the system's chromium, headless): a program
// typed with an error shows its mark, is fixed, runs with a line typed into
// the input box, and is replayed forward and back; a standard program runs
// too; a reload keeps the program. What the page shows is compared with
// casl2wb-cli on the same program.
//   node tests/browser_test.mjs SITE_FOLDER CASL2WB_CLI EXAMPLES_FOLDER
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveSite, chromiumArguments } from './site_server.mjs';

const [site, cli, examples] = process.argv.slice(2);
const folder = mkdtempSync(join(tmpdir(), 'casl2wb-browser-'));

// What casl2wb-cli prints for a program (its text as the editor saves it).
function cliOutput(program, args, input = null) {
  const file = join(folder, 'program.txt');
  writeFileSync(file, program);
  writeFileSync(join(folder, 'input.txt'), input ?? '');
  const inputArguments = input === null ? [] : ['--input', join(folder, 'input.txt')];
  try {
    return execFileSync(cli, [...args, file, ...inputArguments], { encoding: 'utf8' });
  } catch (error) {
    return error.stdout;
  }
}

const panelLines = (panel) => [
  `命令語：${panel.mnemonic}`, `PR：${panel.pr}`, `FR：${panel.fr}`, `SP：${panel.sp}`,
  ...panel.gr.map((value, n) => `GR${n}：${value}`)];

const withError = ['ECHO\tSTART', '\tIN\tBUF,LEN', '\tLD\tGR9,LEN', '\tOUT\tBUF,LEN', '\tRET',
  'BUF\tDS\t8', 'LEN\tDS\t1', '\tEND'];
const fixedLine = '\tLD\tGR1,LEN';
const standardProgram = ['MAIN\tSTART', '\tIN\tBUF,LEN', '\tOUT\tBUF,LEN', '\tOUT\t=\'OK\',=2', '\tRET',
  'BUF\tDS\t80', 'LEN\tDS\t1', '\tEND'];

const server = await serveSite(site);
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: chromiumArguments, userDataDir: join(folder, 'profile') });
try {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  // The page prints through the browser's dialog, which a test cannot answer.
  await page.evaluateOnNewDocument(() => { window.print = () => {}; });
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="true"]');

  // Types lines into the editor, Tab pressed as a key (spaces to the next field).
  async function typeLines(lines) {
    for (const line of lines) {
      for (const part of line.split(/(\t)/)) {
        if (part === '\t') await page.keyboard.press('Tab');
        else if (part) await page.keyboard.type(part);
      }
      await page.keyboard.press('Enter');
    }
  }
  const editorText = () => page.evaluate(() => [...document.querySelectorAll('.cm-line')]
    .map((line) => line.textContent).join('\n'));
  const errorLines = () => page.evaluate(() => [...document.querySelectorAll('.cm-line')]
    .flatMap((line, n) => (line.classList.contains('cas-error-line') ? [n + 1] : [])));
  const messageList = () => page.$eval('#message-list', (list) => [...list.children]
    .map((row) => row.textContent).join('\n') + '\n');
  const shown = () => page.evaluate(() => {
    const value = (name) => document.querySelector(`[data-panel="${name}"]`).textContent;
    return {
      list: document.querySelector('#run-list').textContent,
      output: document.querySelector('#program-output').textContent,
      runEnd: document.querySelector('#run-end').textContent,
      counter: document.querySelector('#step-counter').textContent,
      panel: { mnemonic: value('mnemonic'), pr: value('pr'), fr: value('fr'), sp: value('sp'),
        gr: [0, 1, 2, 3, 4, 5, 6, 7].map((n) => value(`gr${n}`)) },
    };
  });
  async function answerInput(text) {
    await page.waitForSelector('#input-box[open]');
    await page.$eval('#input-box input', (field) => { field.value = ''; });
    await page.type('#input-box input', text);
    await page.click('#input-box .dialog-ok');
  }

  // A program with an error: the line is marked, the list is the check's.
  await page.click('.cm-content');
  await typeLines(withError);
  await page.click('#check-button');
  assert.deepEqual(await errorLines(), [3]);
  const saved = () => editorText().then((text) => `${text.replace(/\n$/, '')}\n`.replaceAll('\n', '\r\n'));
  assert.equal(await messageList(), cliOutput(await saved(), ['check']));

  // Fixed: no marks, and the check's list is the text front end's.
  await page.keyboard.down('Control');
  await page.keyboard.press('Home');
  await page.keyboard.up('Control');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.down('Shift');
  await page.keyboard.press('End');
  await page.keyboard.up('Shift');
  await page.keyboard.press('Backspace');
  for (const part of fixedLine.split(/(\t)/)) {
    if (part === '\t') await page.keyboard.press('Tab');
    else if (part) await page.keyboard.type(part);
  }
  await page.click('#check-button');
  assert.deepEqual(await errorLines(), []);
  const program = await saved();
  assert.equal(await messageList(), cliOutput(program, ['check']));

  // A run with a line typed into the input box: the list and the panel are
  // the text front end's run.
  await page.click('[data-action="executionWindows"]');
  await page.click('#run-button');
  await answerInput('COMET');
  await page.waitForFunction(() => document.querySelector('#run-end').textContent !== '');
  let page1 = await shown();
  assert.equal(`${page1.list}\n${panelLines(page1.panel).join('\n')}\n`,
    cliOutput(program, ['run'], 'COMET\n'));
  assert.match(page1.output, /COMET/);

  // Forward three steps and back one: the second step, as the text front
  // end's replay shows it after two presses.
  for (let n = 0; n < 3; ++n) await page.click('#step-forward');
  await page.click('#step-back');
  page1 = await shown();
  const replay = cliOutput(program, ['replay', '--presses', '2'], 'COMET\n');
  const pressTwo = replay.slice(replay.indexOf('>> 2\n') + 5).split('\n');
  assert.deepEqual(panelLines(page1.panel), pressTwo.slice(0, 12));
  assert.equal(page1.list, pressTwo.slice(13).join('\n').replace(/\n$/, ''));
  assert.match(page1.counter, /^ステップ 2 \//);
  // The step's line is highlighted in the editor.
  const stepLines = await page.evaluate(() => [...document.querySelectorAll('.cm-line')]
    .flatMap((line, n) => (line.classList.contains('cas-step-line') ? [n + 1] : [])));
  assert.equal(stepLines.length, 1);

  // The CPU trace printed: the lines of casl2wb-cli's print, each with its
  // font size (the browser's print dialog itself is not opened here).
  await page.click('#execution-window .menubar details summary');
  await page.click('[data-action="printCpu"]');
  const printed = await page.$eval('#print-area', (area) => [...area.children]
    .map((row) => row.textContent.replace(/^ $/, '')).join('\n'));
  assert.equal(`${printed}\n`, cliOutput(program, ['print', 'cpu'], 'COMET\n'));

  // A reload keeps the program.
  await new Promise((resolve) => setTimeout(resolve, 400));
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await saved(), program);

  // A CP932 file opened from the disk reads and checks as casl2wb-cli reads it.
  // The typed program is in no file: opening one asks first, and キャンセル
  // keeps the program.
  const sjis = join(examples, 'sum_sjis.txt');
  const openAndAnswer = async (button) => {
    await (await page.$('#open-file')).uploadFile(sjis);
    await page.waitForSelector('#choice-box[open]');
    assert.match(await page.$eval('#choice-box .dialog-prompt', (p) => p.textContent),
      /保存してから「sum_sjis.txt」を読み込みますか？/);
    await page.click(`#choice-box .buttons button:nth-child(${button})`);
  };
  await openAndAnswer(3);
  assert.equal(await saved(), program);
  await openAndAnswer(2);
  await page.waitForFunction(() => document.title.startsWith('sum_sjis.txt'));
  assert.equal(await messageList(), execFileSync(cli, ['check', sjis], { encoding: 'utf8' }));

  // Standard CASL II: the dialect menu, then the same run as casl2wb-cli's.
  await page.click('.menubar details:nth-of-type(3) summary');
  await page.click('[data-dialect="standard"]');
  await page.click('.cm-content');
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  await page.keyboard.press('Backspace');
  await typeLines(standardProgram);
  await page.click('#check-button');
  assert.deepEqual(await errorLines(), []);
  const standard = await saved();
  assert.equal(await messageList(), cliOutput(standard, ['check', '--dialect', 'standard']));
  await page.click('[data-action="executionWindows"]');
  await page.click('#run-button');
  await answerInput('ハロー');
  await page.waitForFunction(() => document.querySelector('#run-end').textContent !== '');
  const run = await shown();
  const expected = cliOutput(standard, ['run', '--dialect', 'standard'], 'ハロー\n');
  assert.ok(expected.startsWith(`${run.list.split('\n').slice(0, 3).join('\n')}\n`),
    `${run.list}\n---\n${expected}`);
  assert.ok(expected.endsWith(`${panelLines(run.panel).join('\n')}\n`));
  assert.deepEqual(problems, []);
  console.log('browser test passed');
} finally {
  await browser.close();
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
