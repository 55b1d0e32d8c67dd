// The last steps of a finished game's way to the board, in chromium: the address the game
// opened, a new account, the code from the end screen pasted with Ctrl+V, and the bid in the
// standings with the end screen's sum, verified by the record the game sent.
//
// Environment (tests/browser/game-to-board sets it from the game it played):
//   QUILLMERE_OPENED  the address "Visit website and post your bid" opened
//   QUILLMERE_CODE    the code the end screen copied to the clipboard
//   QUILLMERE_SCORE   the sum the end screen showed
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const { QUILLMERE_OPENED: opened, QUILLMERE_CODE: code, QUILLMERE_SCORE: score } = process.env;

// A sum as the board writes it: thousands grouped with commas.
const grouped = (n) => (n < 0 ? '−' : '') + String(Math.abs(n)).replace(/\B(?=(\d{3})+$)/g, ',');

test('the end screen\'s bid stands on the board the game opened, verified', async () => {
  assert.ok(opened && code && score, 'the game\'s address, code and sum are given');
  const profile = mkdtempSync(join(tmpdir(), 'quillmere-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    context.setDefaultTimeout(10000);
    await context.grantPermissions(['clipboard-read', 'clipboard-write'],
      { origin: new URL(opened).origin });
    const page = await context.newPage();
    assert.equal((await page.goto(opened)).status(), 200, opened);

    const signUp = page.locator('form', { has: page.getByRole('heading', { name: 'Create a new account' }) });
    await signUp.getByLabel('Name', { exact: true }).fill('Ray');
    await signUp.getByLabel('Password', { exact: true }).fill('a quiet street at night');
    await signUp.getByRole('button', { name: 'Create account' }).click();
    await page.waitForLoadState();
    const notice = page.locator('p.notice[role="status"]');
    assert.match(await notice.innerText(), /Ray/);

    // Pasted as a player pastes it after "Copy encrypted bid amount to clipboard".
    await page.evaluate((text) => navigator.clipboard.writeText(text), code);
    const field = page.getByLabel('Your bid code');
    await field.focus();
    await page.keyboard.press('Control+V');
    assert.equal(await field.inputValue(), code, 'the pasted code');
    await page.getByRole('button', { name: 'Post your bid' }).click();
    await page.waitForLoadState();
    assert.equal(await notice.innerText(), `Your bid of ${score} stands 1st of 1.`);

    const rows = page.locator('table', { has: page.locator('caption', { hasText: 'Standings' }) })
      .locator('tbody tr');
    assert.equal(await rows.count(), 1);
    assert.equal(await rows.first().locator('td.num a').innerText(), grouped(Number(score)));
    assert.match(await rows.first().locator('th').innerText(), /^Ray \(you\)/);
    assert.equal(await rows.first().locator('th span.verified').count(), 1, 'the bid is verified');
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
});
