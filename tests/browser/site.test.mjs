// The website in a real browser: Debian's chromium, driven by playwright-core, on the pages
// that come with the game (opened as local files, as the game opens them) and on a real bid
// board on 127.0.0.1: accounts, a bid code that the engine made pasted with Ctrl+V, the
// standings, every refusal, and axe-core on every page at a phone's and a desktop's width.
//
// Environment (tests/browser/run sets it from the build folder):
//   QUILLMERE_BOARD     the quillmere-board program; without it only the local pages are tested
//   QUILLMERE_BID_CODE  the engine's bid_code helper
//   QUILLMERE_SHOTS     a folder for the page screenshots (docs/ keeps a copy of them)
//   QUILLMERE_TUTORIAL_SHOTS  a folder for the tutorial's pictures of the board, at 1x and 2x
//                       (site/quillmere/images keeps them)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';
import { chromium } from 'playwright-core';

const require = createRequire(import.meta.url);
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const site = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'site');
const boardProgram = process.env.QUILLMERE_BOARD || '';
const bidCodeProgram = process.env.QUILLMERE_BID_CODE || '';
const shots = process.env.QUILLMERE_SHOTS || '';
const tutorialShots = process.env.QUILLMERE_TUTORIAL_SHOTS || '';

const PHONE = { width: 390, height: 844 };
const DESKTOP = { width: 1280, height: 900 };
const STATIC_PAGES = ['index.html', 'intro.htm', 'tutorial.htm'];

let context;
let profile;

before(async () => {
  profile = mkdtempSync(join(tmpdir(), 'quillmere-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: DESKTOP,
  });
  context.setDefaultTimeout(5000);
});

after(async () => {
  await context?.close();
  rmSync(profile, { recursive: true, force: true });
});

// A page of its own at the given width.
async function open(url, viewport = DESKTOP, status = 200) {
  const page = await context.newPage();
  await page.setViewportSize(viewport);
  const response = await page.goto(url);
  if (response) assert.equal(response.status(), status, url);
  return page;
}

// What a reader meets on every page: no accessibility violation, no sideways scrolling, every
// picture drawn, the site's header and one heading of the first level.
async function checkPage(page, what) {
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(() => window.axe.run(document));
  assert.deepEqual(
    violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), [],
    `axe-core on ${what}`);
  const layout = await page.evaluate(() => ({
    scrollWidth: document.documentElement.scrollWidth,
    width: window.innerWidth,
    brokenPictures: [...document.images].filter((i) => !i.complete || i.naturalWidth === 0)
      .map((i) => i.getAttribute('src')),
    h1: document.querySelectorAll('h1').length,
    stylesheets: document.styleSheets.length,
  }));
  assert.ok(layout.scrollWidth <= layout.width, `${what} scrolls sideways: ${layout.scrollWidth}px`);
  assert.deepEqual(layout.brokenPictures, [], `pictures on ${what}`);
  assert.equal(layout.h1, 1, `one first-level heading on ${what}`);
  assert.equal(layout.stylesheets, 1, `the stylesheet on ${what}`);
  await assert.doesNotReject(page.locator('header.site nav[aria-label="Site"]').waitFor(),
    `the site's navigation on ${what}`);
}

async function screenshot(page, name, fullPage = true) {
  if (!shots) return;
  mkdirSync(shots, { recursive: true });
  await page.screenshot({ path: join(shots, name), fullPage });
}

// A picture for the tutorial of what a page shows, at a phone's width, at 1x and at 2x for
// screens of high density: of one element (a CSS selector), or of the top of the page. The page
// is opened again with the same cookies in a context of each density.
async function tutorialShot(page, name, selector) {
  if (!tutorialShots) return;
  mkdirSync(tutorialShots, { recursive: true });
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu'] });
  try {
    for (const scale of [1, 2]) {
      const other = await browser.newContext(
        { viewport: { width: 390, height: 700 }, deviceScaleFactor: scale });
      await other.addCookies(await context.cookies());
      const copy = await other.newPage();
      await copy.goto(page.url());
      const path = join(tutorialShots, `${name}${scale === 2 ? '@2x' : ''}.png`);
      await (selector ? copy.locator(selector).screenshot({ path }) : copy.screenshot({ path }));
      await other.close();
    }
  } finally {
    await browser.close();
  }
}

describe('the pages that come with the game, opened as local files', () => {
  for (const name of STATIC_PAGES) {
    for (const [width, viewport] of [['phone', PHONE], ['desktop', DESKTOP]]) {
      test(`${name} on a ${width}`, async () => {
        const page = await open(pathToFileURL(join(site, 'quillmere', name)).href, viewport);
        await checkPage(page, `${name} (${width})`);
        // Every link between the pages leads to a file that exists; the tutorial's anchors
        // lead to its sections.
        const links = await page.evaluate(() => [...document.querySelectorAll('a[href]')]
          .map((a) => ({ href: a.href, hash: a.hash, local: a.protocol === 'file:' })));
        for (const link of links.filter((l) => l.local)) {
          const file = fileURLToPath(link.href.split('#')[0]);
          assert.ok(existsSync(file), `${name} links to ${link.href}`);
          if (link.hash && file.endsWith(name)) {
            assert.equal(await page.locator(link.hash).count(), 1, `${name} anchor ${link.hash}`);
          }
        }
        if (name === 'tutorial.htm') await screenshot(page, `website-tutorial-${width}.png`, false);
        await page.close();
      });
    }
  }
});

// A free port on the loopback interface.
function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

function bidCode(sum, millisecond) {
  return execFileSync(bidCodeProgram, [String(sum), String(millisecond)], { encoding: 'utf8' }).trim();
}

describe('the bid board in a browser', { skip: !boardProgram && 'no quillmere-board built' }, () => {
  let board;
  let base;
  let data;
  let boardLog = '';

  before(async () => {
    data = mkdtempSync(join(tmpdir(), 'quillmere-board-'));
    const port = Number(process.env.QUILLMERE_BROWSER_PORT) || await freePort();
    base = `http://127.0.0.1:${port}/quillmere/`;
    board = spawn(boardProgram, ['serve', '--listen', `127.0.0.1:${port}`,
      '--database', join(data, 'board.sqlite'), '--site', site],
    { stdio: ['ignore', 'pipe', 'pipe'] });
    board.stdout.on('data', (d) => { boardLog += d; });
    board.stderr.on('data', (d) => { boardLog += d; });
    const deadline = Date.now() + 15000;
    for (;;) {
      try {
        if ((await fetch(base)).ok) break;
      } catch { /* not listening yet */ }
      assert.ok(Date.now() < deadline && board.exitCode === null, `the board did not start:\n${boardLog}`);
      await new Promise((r) => setTimeout(r, 100));
    }
  });

  after(() => {
    board?.kill();
    rmSync(data, { recursive: true, force: true });
  });

  // Fills a form by its fields' labels and sends it with its button.
  async function submit(page, form, fields, button) {
    const scope = page.locator('form', { has: page.getByRole('heading', { name: form }) });
    for (const [label, value] of Object.entries(fields)) {
      await scope.getByLabel(label, { exact: true }).fill(value);
    }
    await scope.getByRole('button', { name: button }).click();
    await page.waitForLoadState();
  }
  const signUp = (page, name, password) =>
    submit(page, 'Create a new account', { Name: name, Password: password }, 'Create account');
  const logIn = (page, name, password) =>
    submit(page, 'Log in as a bidder', { Name: name, Password: password }, 'Log in');
  const logOut = async (page) => {
    await page.getByRole('button', { name: 'Log out' }).first().click();
    await page.waitForLoadState();
  };

  // Puts a code on the clipboard and pastes it into the bid field with Ctrl+V, as a player
  // does after "Copy encrypted bid amount to clipboard", then posts it.
  async function pasteAndPost(page, code) {
    await page.evaluate((text) => navigator.clipboard.writeText(text), code);
    const field = page.getByLabel('Your bid code');
    await field.fill('');
    await field.focus();
    await page.keyboard.press('Control+V');
    assert.equal(await field.inputValue(), code, 'the pasted code');
    await page.getByRole('button', { name: 'Post your bid' }).click();
    await page.waitForLoadState();
  }

  const notice = (page) => page.locator('p.notice[role="status"]').innerText();
  const refusal = (page) => page.locator('p.error[role="alert"]').innerText();
  const standings = (page) => page.locator('table', { has: page.locator('caption', { hasText: 'Standings' }) })
    .locator('tbody tr').evaluateAll((rows) => rows.map((r) => [...r.cells].map((c) => c.innerText.trim())));

  test('an account, a pasted code, the standings and the rank; log out; a wrong password',
    async () => {
      await context.clearCookies();
      await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: new URL(base).origin });
      const page = await open(base);
      await checkPage(page, 'the board, logged out');
      // The static pages come from the board too, with their pictures.
      for (const name of ['intro.htm', 'tutorial.htm']) {
        const other = await open(base + name);
        await checkPage(other, `${name} from the board`);
        await other.close();
      }

      await tutorialShot(page, 'tutorial-signup', 'form[action="signup"]');
      await signUp(page, 'Ray', 'a quiet street at night');
      assert.match(await notice(page), /Ray/);
      await checkPage(page, 'the board, logged in');

      await pasteAndPost(page, bidCode(48210, 1000));
      assert.equal(await notice(page), 'Your bid of 48210 stands 1st of 1.');
      await tutorialShot(page, 'tutorial-posted');
      assert.deepEqual((await standings(page))[0].slice(1, 3), ['Ray (you)', '48,210']);
      await checkPage(page, 'the board after a post');

      // A second bidder outbids Ray and leads; Ray's rank line says so after a lower bid.
      await logOut(page);
      assert.equal(await notice(page), 'You are logged out.');
      await signUp(page, 'Lou <script>', 'another quiet street');
      await pasteAndPost(page, bidCode(91000, 2000));
      assert.equal(await notice(page), 'Your bid of 91000 stands 1st of 2.');
      const rows = await standings(page);
      assert.deepEqual(rows.map((r) => r.slice(1, 3)),
        [['Lou <script> (you)', '91,000'], ['Ray', '48,210']]);
      assert.equal(await page.locator('tr.leader').count(), 1);
      await screenshot(page, 'website-board-desktop.png');
      await page.setViewportSize(PHONE);
      await checkPage(page, 'the board on a phone');
      await screenshot(page, 'website-board-phone.png');
      await page.setViewportSize(DESKTOP);

      const account = await open(base + 'account');
      await checkPage(account, 'the account page');
      assert.match(await account.locator('main').innerText(), /91000/);
      await screenshot(account, 'website-account-desktop.png');
      await account.close();
      const missing = await open(base + 'no-such-page', PHONE, 404);
      await checkPage(missing, 'a page that is not there');
      await missing.close();

      await logOut(page);
      await logIn(page, 'Ray', 'not the password');
      assert.equal(await refusal(page), 'That name and password do not match an account.');
      await checkPage(page, 'a refused log-in');
      await logIn(page, 'Ray', 'a quiet street at night');
      assert.match(await notice(page), /Welcome back, Ray\./);
      await page.close();
    });

  test('every refusal says what is wrong, and nothing is stored', async () => {
    await context.clearCookies();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: new URL(base).origin });
    const page = await open(base);
    await signUp(page, 'Ray', 'whatever it is');
    assert.equal(await refusal(page), 'The name Ray is taken. Choose another.');
    await signUp(page, 'Kim', 'short');
    assert.match(await refusal(page), /^A password needs at least \d+ characters\.$/);
    // What was typed stays (never a password); the refusal stands beside its field, the
    // focus on it.
    assert.equal(await page.locator('#signup-name').inputValue(), 'Kim');
    assert.equal(await page.locator('#signup-password').inputValue(), '');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'signup-password');
    assert.equal(await page.locator('#signup-password + p.error').count(), 1);
    await signUp(page, 'Kim', 'a long enough password');

    const good = bidCode(777, 3000);
    const again = " Copy it again on the game's end screen and paste it whole.";
    // A digit of the check block (positions 139..222) changed by one.
    const typo = good.slice(0, 150) + String((Number(good[150]) + 1) % 10) + good.slice(151);
    const cases = [
      [good.slice(0, 200), `This code is too short: a bid code has 224 characters and this one has 200.${again}`],
      [good + '12', `This code is too long: a bid code has 224 characters and this one has 226.${again}`],
      [good.slice(0, 10) + 'x' + good.slice(11), `This code holds “x”, a character that cannot be in a code.${again}`],
      [typo, `This code has a typo.${again}`],
    ];
    const before = await standings(page);
    for (const [code, message] of cases) {
      await pasteAndPost(page, code);
      assert.equal(await refusal(page), message, code);
      assert.equal(await page.getByLabel('Your bid code').inputValue(), code, 'the refused code stays');
      await checkPage(page, `the refusal "${message}"`);
    }
    // The browser asks for a code itself; the board answers one that comes anyway.
    await page.getByLabel('Your bid code').fill('');
    await page.locator('form[action="bid"]').evaluate((form) => { form.noValidate = true; });
    await page.getByRole('button', { name: 'Post your bid' }).click();
    await page.waitForLoadState();
    assert.equal(await refusal(page), 'Paste your bid code into the box first.');
    assert.deepEqual(await standings(page), before, 'nothing stored');

    await pasteAndPost(page, `${good.slice(0, 100)}\n ${good.slice(100)}`);  // a line break and a space
    assert.match(await notice(page), /^Your bid of 777 stands 3rd of 3\.$/);
    await pasteAndPost(page, good);
    assert.equal(await refusal(page), 'This code was already posted.');
    assert.equal((await standings(page)).length, 3);
    await page.close();
  });

  // A board of 230 bidders written straight into its database, two of them tied at the top.
  function seedBidders(count) {
    const now = Date.now();
    const rows = [];
    for (let i = 1; i <= count; ++i) {
      const score = i <= 2 ? 12768109 : 1000000 - i * 1000;
      rows.push(`INSERT INTO accounts (name, name_key, name_skeleton, password_hash, created_at) `
        + `VALUES ('Seed ${i}', 'seed ${i}', 'seed ${i}', 'x', ${now});`,
      `INSERT INTO bids (round_id, account_id, code, score, posted_at) VALUES ((SELECT MAX(id) FROM rounds), `
        + `(SELECT id FROM accounts WHERE name_key = 'seed ${i}'), 'seed-${i}', ${score}, ${now + i});`,
      `INSERT INTO best (round_id, account_id, score, bid_id) SELECT round_id, account_id, score, id `
        + `FROM bids WHERE code = 'seed-${i}';`);
    }
    rows.push('UPDATE rounds SET bidders = (SELECT COUNT(*) FROM best WHERE best.round_id = rounds.id);');
    execFileSync('sqlite3', ['-cmd', '.timeout 5000', join(data, 'board.sqlite')],
      { input: `BEGIN;\n${rows.join('\n')}\nCOMMIT;\n` });
  }

  test('a finished game sends its record, and its code posts as a verified bid', async () => {
    await context.clearCookies();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: new URL(base).origin });
    // What the game does when its end screen comes up: the record goes to the board, no account.
    const record = join(data, 'game.record');
    const code = execFileSync(bidCodeProgram, ['--game', '1', record], { encoding: 'utf8' }).trim();
    const sent = await fetch(base + 'records', {
      method: 'POST', headers: { 'Content-Type': 'text/plain' }, body: readFileSync(record),
    });
    assert.equal(sent.status, 201);
    const page = await open(base);
    await signUp(page, 'Ana', 'a game played to the end');
    await pasteAndPost(page, code);
    assert.match(await notice(page), /^Your bid of -?\d+ stands/);
    assert.match(await page.locator('tr.mine th').innerText(), /\(you\) verified$/);
    await checkPage(page, 'the board with a verified bid');
    await page.close();
  });

  test('standings for everyone: shared places, pages, your place, search, a long name on a phone',
    async () => {
      seedBidders(230);
      await context.clearCookies();
      await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: new URL(base).origin });
      const page = await open(base, { width: 320, height: 700 });
      // Logged out on a phone: the standings come before the forms.
      const order = await page.evaluate(() => {
        const table = document.querySelector('table.standings').getBoundingClientRect().top;
        const form = document.querySelector('form[action="login"]').getBoundingClientRect().top;
        return table < form;
      });
      assert.ok(order, 'the standings above the forms on a phone');
      const top = await standings(page);
      assert.deepEqual(top.slice(0, 3).map((r) => r[0]), ['1', '1', '3'], 'equal bids share a place');
      assert.equal(top[0][2], '12,768,109');
      assert.match(await page.locator('p.rule').innerText(), /Equal bids share a place; of equal bids, the one posted first wins the round\./);
      await page.getByRole('link', { name: 'Next page' }).click();
      await page.waitForLoadState();
      assert.equal((await standings(page))[0][0], '101');

      const name = 'Wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww';  // 32 wide letters, the most a name holds
      await signUp(page, name, 'a long name at night');
      await pasteAndPost(page, bidCode(9500, 4000));
      assert.match(await notice(page), /^Your bid of 9500 stands \d+(st|nd|rd|th) of \d+\.$/);
      assert.match(await page.locator('p.pinned').innerText(), /^You stand \d+(st|nd|rd|th) of \d+ with 9,500\.$/);
      const mine = page.locator('tr.mine');
      assert.equal(await mine.count(), 1, 'your row, around you');
      assert.match(await mine.locator('th').innerText(), /\(you\)$/);
      // The score of the long name's row shows inside the phone's width.
      const box = await mine.locator('td.num').last().boundingBox();
      assert.ok(box && box.x + box.width <= 320, `the score at ${JSON.stringify(box)}`);
      await checkPage(page, 'the standings at 320 px');
      // Forced colours keep the mark of your row.
      await page.emulateMedia({ forcedColors: 'active' });
      const border = await mine.locator('th').evaluate((e) => getComputedStyle(e).borderTopStyle);
      assert.equal(border, 'solid', 'your row in forced colours');
      await page.emulateMedia({ forcedColors: 'none' });
      await mine.scrollIntoViewIfNeeded();
      await screenshot(page, 'website-standings-phone.png', false);

      await page.getByLabel('Find a bidder').fill('seed 22');
      await page.getByRole('button', { name: 'Find' }).click();
      await page.waitForLoadState();
      assert.deepEqual((await standings(page)).map((r) => r[1]), ['Seed 22', 'Seed 220', 'Seed 221',
        'Seed 222', 'Seed 223', 'Seed 224', 'Seed 225', 'Seed 226', 'Seed 227', 'Seed 228', 'Seed 229']);
      await page.close();
    });

  // 200 % zoom of a 1280 px window lays a page out as a 640 px one.
  test('every page in the light and the dark theme, at 320, 390 and 1280 px and at 200 % zoom',
    async () => {
      await context.clearCookies();
      const loggedOut = ['', 'intro.htm', 'tutorial.htm', 'bid?id=1', 'index.html?q=seed+1'];
      const check = async (paths, who) => {
        for (const colorScheme of ['light', 'dark']) {
          for (const width of [320, 390, 640, 1280]) {
            const page = await context.newPage();
            await page.emulateMedia({ colorScheme });
            await page.setViewportSize({ width, height: 800 });
            for (const path of paths) {
              await page.goto(base + path);
              await checkPage(page, `/${path} ${who} (${colorScheme}, ${width} px)`);
            }
            if (colorScheme === 'dark' && width === 1280 && who === 'logged in') {
              await page.goto(base);
              await screenshot(page, 'website-board-dark-desktop.png', false);
            }
            await page.close();
          }
        }
      };
      await check(loggedOut, 'logged out');
      const page = await open(base);
      await signUp(page, 'Day and Night', 'both themes checked');
      await page.close();
      await check(['', 'account'], 'logged in');
    });
});

