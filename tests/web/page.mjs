// Vandrel's page in Debian's Chromium, as a student meets it: served by
// scripts/serve-web, opened in fresh pages whose randomness and clock are fixed
// before the page loads, so that a run draws the same cards every time, and
// looked at against the pictures in tests/references/web/. The page's test and
// its pace measure share these.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

// The build runs a copy of this file beside its node modules.
const root = process.env.VANDREL_SOURCE
  || path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const references = path.join(root, 'tests/references/web');
const output = process.env.VANDREL_TEST_OUTPUT || process.cwd();
export const updating = process.env.VANDREL_UPDATE_REFERENCES === '1';

// Each window's client area on the page: its place and size in the layout,
// in pixels. Qt draws the frames around them.
export const windows = {
  form1: { x: 232, y: 136, width: 627, height: 351 },
  form2: { x: 211, y: 113, width: 650, height: 378 },
  form4: { x: 232, y: 149, width: 578, height: 430 },
};
// Places in the main window: the centres of its buttons, and Label3.
export const at = {
  autoStart: { x: 128, y: 224 },
  graphDisplay: { x: 128, y: 308 },
  help: { x: 484, y: 12 },
  exit: { x: 28, y: 12 },
};
export const label3 = { x: 360, y: 160, width: 81, height: 25 };
// The browser's window: room for the windows and the desktop around them.
export const wholePage = { x: 0, y: 0, width: 1024, height: 640 };

// Chromium's WebGL in software, the same on every machine.
const browserArguments = ['--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--force-renderer-accessibility', '--no-sandbox'];

// Before any of the page's scripts: the same "random" bytes and the same time of
// day on every load.
function fixRandomness() {
  let state = 0x2545f491;
  crypto.getRandomValues = (array) => {
    const bytes = new Uint8Array(array.buffer, array.byteOffset, array.byteLength);
    for (let i = 0; i < bytes.length; ++i) {
      state = (Math.imul(state, 1103515245) + 12345) >>> 0;
      bytes[i] = state >>> 24;
    }
    return array;
  };
  const fixed = new Date('2026-04-01T10:00:00Z').getTime();
  Date.now = () => fixed;
}

// In the page, before its scripts: the times of clicks, taps and key presses,
// and of the pictures it sends to the canvas (WebGL texture uploads).
function watchFrames() {
  const marks = { started: [], drawn: [] };
  window.frameMarks = marks;
  for (const type of ['pointerup', 'keydown']) {
    addEventListener(type, () => marks.started.push(performance.now()), true);
  }
  for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    for (const name of ['texImage2D', 'texSubImage2D']) {
      const upload = context.prototype[name];
      context.prototype[name] = function uploadTimed(...values) {
        marks.drawn.push(performance.now());
        return upload.apply(this, values);
      };
    }
  }
}

// By the page's own clock, in seconds from the last click, tap or key press:
// when Timer1's last tick ended, as the program marks it on the page's
// performance timeline, and when the last picture was sent to the canvas.
export async function runTimes(tab) {
  const { marks, ended } = await tab.evaluate(() => ({
    marks: window.frameMarks,
    ended: performance.getEntriesByName('Timer1: last tick').at(-1)?.startTime,
  }));
  assert.ok(ended !== undefined, 'the program marked no end of a run on the page\'s timeline');
  const started = marks.started.at(-1);
  const drawn = marks.drawn.at(-1);
  return { ended: (ended - started) / 1000, drawn: (drawn - started) / 1000 };
}

// scripts/serve-web on a free port.
async function serve(folder) {
  const server = spawn(path.join(root, 'scripts/serve-web'), [folder, '--port', '0'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  let text = '';
  const url = await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      text += chunk;
      const address = text.match(/on (http:\/\/\S+)/);
      if (address) resolve(address[1]);
    });
    server.on('exit', () => reject(new Error(`scripts/serve-web ended: ${text}`)));
  });
  return { url, stop: () => server.kill() };
}

// Serves the page in `folder` and starts Chromium; `open` gives fresh pages in
// it, `close` ends both.
export async function startBrowser(folder) {
  assert.ok(folder && fs.existsSync(path.join(folder, 'index.html')),
    'VANDREL_PAGE names no folder with the page in it');
  const server = await serve(folder);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: browserArguments });
  return {
    open: (options) => open(browser, server.url, options),
    close: async () => {
      await browser.close();
      server.stop();
    },
  };
}

// A fresh page in `locale`, with its console's errors gathered and its frames timed.
async function open(browser, url, { locale = 'en-US', hasTouch = false } = {}) {
  const context = await browser.newContext({
    locale, hasTouch, viewport: { width: wholePage.width, height: wholePage.height },
  });
  const tab = await context.newPage();
  const errors = [];
  tab.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  tab.on('pageerror', (error) => errors.push(String(error)));
  await tab.addInitScript(fixRandomness);
  await tab.addInitScript(watchFrames);
  await tab.goto(url);
  return { tab, errors, close: () => context.close() };
}

// `area` of `window`, in the page's pixels; the whole window without an area.
export function clipOf(window, area = { ...window, x: 0, y: 0 }) {
  return { x: window.x + area.x, y: window.y + area.y, width: area.width, height: area.height };
}

// How many pixels two PNG pictures differ in, counted by the browser itself.
async function differingPixels(tab, actual, expected) {
  return tab.evaluate(async ([a, b]) => {
    const pixels = async (base64) => {
      const bitmap = await createImageBitmap(
        await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const [x, y] = [await pixels(a), await pixels(b)];
    if (x.width !== y.width || x.height !== y.height) return x.width * x.height;
    let count = 0;
    for (let i = 0; i < x.data.length; i += 4) {
      if (x.data[i] !== y.data[i] || x.data[i + 1] !== y.data[i + 1]
          || x.data[i + 2] !== y.data[i + 2]) ++count;
    }
    return count;
  }, [actual.toString('base64'), expected.toString('base64')]);
}

// Waits until the area's picture is the reference `name`, as QTRY_VERIFY
// waits; fails with the last picture written beside the test's output.
export async function untilPicture(tab, clip, name) {
  const file = path.join(references, `${name}.png`);
  let shot;
  if (updating) {
    await tab.waitForTimeout(3000);
    shot = await tab.screenshot({ clip });
    fs.writeFileSync(file, shot);
    return;
  }
  const expected = fs.readFileSync(file);
  for (let tries = 0; tries < 100; ++tries) {
    shot = await tab.screenshot({ clip });
    if (await differingPixels(tab, shot, expected) === 0) return;
  }
  const actualFile = path.join(output, `web-${name}.actual.png`);
  fs.writeFileSync(actualFile, shot);
  assert.fail(`${name}: the page's picture differs from ${file}; it is in ${actualFile}`);
}

// A place in the main window, in the page's pixels.
export function pointAt(place) {
  return [windows.form1.x + place.x, windows.form1.y + place.y];
}

export const mainWindow = clipOf(windows.form1);
