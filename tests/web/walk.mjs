// Walks the page in headless Chromium as an author would: the workshop name at the first
// start, a model dropped with its material library and texture, the side view dropped and
// sent to its slot, a faulty model checked, the container name and parameters, the save and
// the texture's export as downloads, and the saved part opened again, dropped and through the
// picker. The clock is pinned so that the download can be compared byte for
// byte with what qelcontainer-cli packs from the same files. Screenshots go to the work folder.
//
//   node walk.mjs URL WORK_FOLDER   (scripts/web-walk.sh prepares both)
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

// puppeteer-core from the folder scripts/web-walk.sh installs it in.
const puppeteer = createRequire(`${process.env.QEL_WALK_TOOLS}/`)('puppeteer-core');

const [url, work] = process.argv.slice(2);
const pinned = JSON.parse(fs.readFileSync(path.join(work, 'pinned.json'), 'utf8'));
const downloads = path.join(work, 'downloads');
const shots = path.join(work, 'shots');
fs.mkdirSync(downloads, { recursive: true });
fs.mkdirSync(shots, { recursive: true });

const timeout = 20000;
let failures = 0;
const fail = (what) => {
  console.error(`FAIL: ${what}`);
  failures += 1;
};

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: path.join(work, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--no-first-run', '--lang=ja'],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  page.on('pageerror', (error) => fail(`page error: ${error.message}`));
  page.on('console', (message) => console.log(`page: ${message.text()}`));
  // The page never reaches beyond its own folder.
  const origin = new URL(url).origin;
  page.on('request', (request) => {
    if (!request.url().startsWith(origin)) fail(`request outside the page: ${request.url()}`);
  });
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  // The save takes its seed from the monotonic clock and its time from the calendar.
  await page.evaluateOnNewDocument((tick, seconds) => {
    performance.now = () => tick;
    Date.now = () => seconds * 1000;
  }, pinned.seed, pinned.created);

  const shot = (name) => page.screenshot({ path: path.join(shots, `${name}.png`) });
  const step = (what) => console.log(`step: ${what}`);
  const dialogTitled = (title) =>
    page.waitForFunction((text) => [...document.querySelectorAll('.modal-caption')]
      .some((caption) => caption.textContent === text), { timeout }, title);
  const clickButton = (label) => page.evaluate((text) => {
    const button = [...document.querySelectorAll('.modal button')].find((b) => b.textContent === text);
    button.click();
  }, label);
  const menu = async (title, item) => {
    await page.evaluate((menuTitle, itemLabel) => {
      const holder = [...document.querySelectorAll('.menu')]
        .find((m) => m.querySelector('.menu-title').textContent.startsWith(menuTitle));
      holder.querySelector('.menu-title').click();
      [...holder.querySelectorAll('.menu-item')]
        .find((i) => i.querySelector('.menu-label').textContent.startsWith(itemLabel)).click();
    }, title, item);
  };
  const statusSettles = () => new Promise((done) => setTimeout(done, 300));
  // Drops files as the browser does when they are dragged from the desktop.
  const drop = async (files, x, y) => {
    const box = await (await page.$('canvas.client')).boundingBox();
    const data = { items: [], files, dragOperationsMask: 1 };
    for (const type of ['dragEnter', 'dragOver', 'drop']) {
      await session.send('Input.dispatchDragEvent', { type, x: box.x + x, y: box.y + y, data });
    }
  };

  step('the page loads and asks for the workshop name');
  const started = Date.now();
  await page.goto(url);
  await dialogTitled('工房名の設定');
  const loadMs = Date.now() - started;
  console.log(`load: ${loadMs} ms to the first question`);
  await shot('01-workshop-name');
  await page.type('.dialog input', '試験工房');
  await clickButton('OK');
  await page.waitForSelector('canvas.client', { timeout });
  await statusSettles();
  await shot('02-main-window');

  step('the model is dropped with its material library and texture');
  const model = ['box.mtl', 'box.obj', 'texture.png'].map((name) => path.join(work, 'parts', name));
  await drop(model, 100, 100);
  await statusSettles();

  step('the side view is dropped and sent to its slot');
  await drop([path.join(work, 'parts', 'side.png')], 100, 100);
  await dialogTitled('ノルカ').catch(() => fail('no question for the dropped image'));
  await shot('03-image-question');
  await clickButton('サイドビュー(V)');
  await statusSettles();

  step('a model with faults is checked through the picker');
  const [checkChooser] = await Promise.all([
    page.waitForFileChooser({ timeout }),
    menu('ファイル', 'ファイルを確認'),
  ]);
  await checkChooser.accept([path.join(work, 'parts', 'faulty.obj')]);
  await dialogTitled('ファイルを確認');
  await shot('04-check');
  const report = await page.evaluate(() => document.querySelector('.box-text').textContent);
  if (!report.includes('・【エラー】faulty.obj 4行目：面が、ファイルにない頂点の座標の番号を指しています。')) {
    fail(`the check does not name the faulty face: ${report}`);
  }
  await clickButton('OK');

  step('the container name and the parameters');
  await menu('設定', 'コンテナ名');
  await dialogTitled('コンテナ名の設定');
  await page.type('.dialog input', pinned.name);
  await clickButton('OK');
  await menu('設定', 'パラメータ');
  await dialogTitled('パラメーター設定');
  await page.evaluate((length) => {
    const field = document.querySelector('.dialog input');
    field.value = '';
    field.dispatchEvent(new Event('input'));
  }, pinned.length);
  await page.type('.dialog input', pinned.length);
  await page.type('.dialog textarea', pinned.description);
  await shot('05-parameters');
  await clickButton('OK');
  await statusSettles();
  await shot('06-part-made');

  // Leaving the page now would lose the part: the page warns.
  if (!await page.evaluate(() => page.unsaved)) fail('the page would not warn before the part is lost');

  step('the part is saved as a download');
  await menu('ファイル', 'コンテナを保存');
  await page.waitForSelector('.box-field', { timeout });
  await page.evaluate(() => { document.querySelector('.box-field').value = ''; });
  await page.type('.box-field', 'walk');
  await clickButton('OK');
  const saved = path.join(downloads, 'walk.cnt');
  for (let waited = 0; !fs.existsSync(saved) && waited < timeout; waited += 100) {
    await new Promise((done) => setTimeout(done, 100));
  }
  if (!fs.existsSync(saved)) fail('no download of walk.cnt');
  await statusSettles();
  await shot('07-saved');
  if (await page.evaluate(() => page.unsaved)) fail('the page warns of changes after the save');

  step('the texture is exported as a download');
  await menu('設定', 'テクスチャーを保存');
  await page.waitForSelector('.box-field', { timeout });
  await page.evaluate(() => { document.querySelector('.box-field').value = 'texture-out'; });
  await clickButton('OK');
  await statusSettles();

  step('the download opens again');
  await menu('ファイル', '新規コンテナ');
  await dialogTitled('コンテナ初期化');
  await shot('08-new-question');
  await clickButton('OK');
  await statusSettles();
  await drop([saved], 100, 100);
  await statusSettles();
  await shot('09-reopened');
  if (await page.$('.modal')) fail('the saved part does not open again');

  step('the part opens through the picker');
  await menu('ファイル', '新規コンテナ');
  await dialogTitled('コンテナ初期化');
  await clickButton('OK');
  const [chooser] = await Promise.all([
    page.waitForFileChooser({ timeout }),
    menu('ファイル', 'コンテナを開く'),
  ]);
  await chooser.accept([saved]);
  await statusSettles();
  await shot('10-opened-through-picker');
  if (await page.$('.modal')) fail('the saved part does not open through the picker');
} finally {
  await browser.close();
}
process.exit(failures === 0 ? 0 : 1);
