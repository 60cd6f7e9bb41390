// Debian's Chromium driven by playwright-core: no browser is downloaded.
// The flags keep it off the network, which this machine may not reach.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {chromium} from 'playwright-core';

export async function openStudio(address, viewport = {width: 1600, height: 1000}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'slatepane-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.SLATEPANE_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const page = context.pages()[0] ?? await context.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  await page.goto(address);
  await page.waitForFunction(() => window.studio && window.studio.ready, null, {timeout: 30000});
  const close = async () => {
    await context.close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return {page, close};
}

export function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Polls until `test` holds, or fails after `ms`.
export async function until(test, message, ms = 20000) {
  const end = Date.now() + ms;
  for (;;) {
    if (await test()) return;
    if (Date.now() > end) throw new Error(`timed out: ${message}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}
