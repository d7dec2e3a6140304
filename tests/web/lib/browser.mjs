// Debian's chromium, headless, driven over the DevTools protocol. Each
// browser gets a new empty profile, removed when it is closed; the flags keep
// chromium from reaching out on its own (this machine's network is closed).

import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { lessonTables } from './pupil.mjs';

export const CHROMIUM = process.env.GODO_CHROMIUM || '/usr/bin/chromium';

const FLAGS = [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-dev-shm-usage', '--hide-scrollbars',
];

export async function launch(extraFlags = []) {
  if (!existsSync(CHROMIUM))
    throw new Error('no chromium at ' + CHROMIUM);
  const profile = mkdtempSync(join(tmpdir(), 'godo-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: [...FLAGS, ...extraFlags],
    // The window's own size: the page shows it at one CSS pixel to its pixel.
    defaultViewport: { ...lessonTables().window, deviceScaleFactor: 1 },
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    try {
      await close();
    } finally {
      rmSync(profile, { recursive: true, force: true });
    }
  };
  return browser;
}
