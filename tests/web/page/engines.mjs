// The three engines the page's visitors use, each behind the same thin
// adapter: Chromium under playwright-core, WebKit through Debian's
// WebKitWebDriver (W3C WebDriver over HTTP) and Firefox ESR through
// puppeteer-core over WebDriver BiDi.
//
// openEngine(name) gives { name, version, can, open, close } (WebKit adds
// loadProblems); open({ locale, width }) gives a page adapter with goto,
// reload, fill, click, press, type, focus, select, setChecked, text, value,
// visible, evaluate, waitFor, inject (a script's source, run past the page's
// policy), problems, requested (every address asked for, where the driver
// sees them), goOffline (where it can) and close.
import { spawn } from 'node:child_process';
import { mkdir, mkdtemp, rm, writeFile } from 'node:fs/promises';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser } from './browser.mjs';

const height = 844;

// A function and its arguments as the text the engine runs: evaluated by the
// driver, not by the page's own eval, which its policy forbids.
const expression = (fn, args) => `(${fn}).apply(null, ${JSON.stringify(args)})`;

const isVisible = (selector) => {
  const element = document.querySelector(selector);
  if (!element) return false;
  const box = element.getBoundingClientRect();
  return box.width > 0 && box.height > 0 && getComputedStyle(element).visibility !== 'hidden';
};

// Resolves once fn(...args) holds, checked on every frame; run as one
// evaluation, since the drivers' own polling would need the page's eval.
const until = (fn, args, timeout) => new Promise((resolve, reject) => {
  const deadline = performance.now() + timeout;
  const check = () => {
    if (fn(...args)) resolve(true);
    else if (performance.now() > deadline) reject(new Error(`not so after ${timeout} ms: ${fn}`));
    else requestAnimationFrame(check);
  };
  check();
});
const waitExpression = (fn, args) => `(${until})(${fn}, ${JSON.stringify(args)}, 20000)`;

// ---------------------------------------------------------------- Chromium

async function chromiumEngine() {
  const browser = await launchBrowser();
  return {
    name: 'chromium',
    version: `Chromium ${browser.version()}`,
    can: { viewportWidth: () => true, requestLog: true },
    async open({ locale = 'de-DE', width = 390 } = {}) {
      const context = await browser.newContext({ locale, viewport: { width, height } });
      const page = await context.newPage();
      const problems = [];
      page.on('pageerror', (error) => problems.push(error.message));
      page.on('console', (message) => {
        if (message.type() === 'error') problems.push(message.text());
      });
      const requested = [];
      page.on('request', (request) => requested.push(request.url()));
      return {
        problems,
        requested,
        goto: (url) => page.goto(url),
        reload: () => page.reload(),
        fill: (selector, text) => page.fill(selector, text),
        click: (selector) => page.click(selector),
        focus: (selector) => page.focus(selector),
        press: (key) => page.keyboard.press(key),
        type: (text) => page.keyboard.type(text),
        select: (selector, value) => page.selectOption(selector, value),
        setChecked: (selector, checked) => page.setChecked(selector, checked),
        text: (selector) => page.$eval(selector, (e) => e.textContent),
        value: (selector) => page.inputValue(selector),
        visible: (selector) => page.isVisible(selector),
        evaluate: (fn, ...args) => page.evaluate(expression(fn, args)),
        waitFor: (fn, ...args) => page.evaluate(waitExpression(fn, args)),
        inject: (source) => page.evaluate(source),
        goOffline: () => context.setOffline(true),
        close: () => context.close(),
      };
    },
    close: () => browser.close(),
  };
}

// ------------------------------------------------------------------ WebKit

const miniBrowser = process.env.MARELTO_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const webKitDriver = process.env.MARELTO_WEBKITDRIVER ?? '/usr/bin/WebKitWebDriver';

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// Asks until the driver answers: its start prints nothing to wait on.
async function answering(url, child) {
  let ended = null;
  child.on('exit', (code) => { ended = code; });
  const deadline = Date.now() + 30000;
  for (let wait = 10; ; wait = Math.min(wait * 2, 500)) {
    try {
      if ((await (await fetch(url)).json()).value?.ready) return;
    } catch (error) {
      if (ended !== null || Date.now() > deadline) throw new Error(`${url} never answered (${ended ?? error.message})`);
    }
    await new Promise((resolve) => setTimeout(resolve, wait));
  }
}

// An X display of our own: Xvfb picks a free number and writes it to the
// descriptor -displayfd names.
async function startXvfb() {
  const child = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    let number = '';
    child.stdio[3].on('data', (chunk) => {
      number += chunk;
      if (number.includes('\n')) resolve(`:${number.trim()}`);
    });
    child.on('exit', (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
  return { display, stop: () => child.kill() };
}

// WebDriver's key codes for the keys the tests press.
const webDriverKeys = { Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Space: '\uE00D', Control: '\uE009' };
const keyActions = (keys) => [
  ...keys.map((value) => ({ type: 'keyDown', value })),
  ...[...keys].reverse().map((value) => ({ type: 'keyUp', value })),
];

// The MiniBrowser takes its language from the environment it is started in,
// and its window's smallest width from the GTK style of its own controls:
// shrunk to nothing, so that the page can be seen at a phone's 320 px.
function localeEnv(display, locale, config) {
  const posix = `${locale.replace('-', '_')}.UTF-8`;
  const env = { ...process.env, DISPLAY: display, LANG: posix, LC_ALL: posix, XDG_CONFIG_HOME: config };
  delete env.LANGUAGE;
  return env;
}

async function narrowGtkStyle() {
  const config = await mkdtemp(join(tmpdir(), 'marelto-gtk-'));
  await mkdir(join(config, 'gtk-3.0'));
  await writeFile(join(config, 'gtk-3.0', 'gtk.css'),
    '*:not(webkitwebview) { min-width: 0; min-height: 0; padding: 0; margin: 0; font-size: 1px; }\n');
  return config;
}

// One WebKitWebDriver and one MiniBrowser per browser language.
async function webKitSession(display, locale, config) {
  const port = await freePort();
  const env = localeEnv(display, locale, config);
  const driver = spawn(webKitDriver, [`--port=${port}`], { env, stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  await answering(`${base}/status`, driver);
  const request = async (method, path, body) => {
    const response = await fetch(`${base}${path}`, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${answer.value?.message ?? response.status}`);
    return answer.value;
  };
  const session = await request('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation', '--full-screen'] },
      },
    },
  });
  const path = `/session/${session.sessionId}`;
  return {
    version: session.capabilities.browserVersion,
    command: (method, rest, body) => request(method, `${path}${rest}`, body),
    async close() {
      await request('DELETE', path).catch(() => {});
      driver.kill();
    },
  };
}

// WebKitWebDriver has no console log: errors and policy violations after
// load are caught by listeners put into the page once it has loaded.
const listenForProblems = () => {
  if (globalThis.mareltoProblems) return;
  const problems = [];
  globalThis.mareltoProblems = problems;
  addEventListener('error', (event) => problems.push(event.message));
  addEventListener('unhandledrejection', (event) => problems.push(String(event.reason)));
  addEventListener('securitypolicyviolation', (event) => problems.push(`CSP ${event.violatedDirective}`));
  const error = console.error.bind(console);
  console.error = (...args) => {
    problems.push(args.join(' '));
    error(...args);
  };
};

async function webKitEngine() {
  const xvfb = await startXvfb();
  const config = await narrowGtkStyle();
  const sessions = new Map();
  const sessionFor = (locale) => {
    if (!sessions.has(locale)) sessions.set(locale, webKitSession(xvfb.display, locale, config));
    return sessions.get(locale);
  };
  const first = await sessionFor('de-DE');
  // The MiniBrowser's window keeps a minimum width; found once, by asking.
  await first.command('POST', '/window/rect', { width: 1, height });
  const narrowest = (await first.command('GET', '/window/rect')).width;
  return {
    name: 'webkit',
    version: `WebKitGTK ${first.version} (MiniBrowser under WebKitWebDriver)`,
    can: {
      viewportWidth: (width) => width >= narrowest || `the MiniBrowser's window is at least ${narrowest} px wide`,
      requestLog: false,
    },
    // WebKitWebDriver offers no console log, and a MiniBrowser under
    // automation writes none; one started on its own writes the console out
    // and quits once the page has loaded.
    async loadProblems(url, { locale = 'de-DE' } = {}) {
      const child = spawn(miniBrowser, ['--enable-write-console-messages-to-stdout=true', '--exit-after-load', url],
        { env: localeEnv(xvfb.display, locale, config), stdio: ['ignore', 'pipe', 'pipe'] });
      let output = '';
      for (const stream of [child.stdout, child.stderr]) stream.on('data', (chunk) => { output += chunk; });
      const code = await new Promise((resolve, reject) => {
        child.on('exit', resolve);
        child.on('error', reject);
      });
      if (code !== 0) throw new Error(`the MiniBrowser ended with ${code}: ${output}`);
      return output.split('\n').filter((line) => /CONSOLE \w+ ERROR/.test(line));
    },
    async open({ locale = 'de-DE', width = 390 } = {}) {
      const session = await sessionFor(locale);
      const command = session.command;
      await command('POST', '/window/rect', { width, height });
      const run = (fn, args) => command('POST', '/execute/sync', { script: `return ${expression(fn, args)};`, args: [] });
      // A found element is an object with one key, its reference.
      const element = async (selector) => Object.values(await command('POST', '/element', { using: 'css selector', value: selector }))[0];
      const keys = (actions) => command('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
      const adapter = {
        async goto(url) {
          await command('POST', '/url', { url });
          await run(listenForProblems, []);
        },
        async reload() {
          await command('POST', '/refresh', {});
          await run(listenForProblems, []);
        },
        // Typed as a visitor types it, except what no keyboard sends (a NUL)
        // or would take minutes to type (a megabyte of digits).
        async fill(selector, text) {
          const id = await element(selector);
          await command('POST', `/element/${id}/clear`, {});
          if (text.includes('\0') || text.length > 200) {
            await run((s, t) => {
              const field = document.querySelector(s);
              field.focus();
              field.value = t;
              field.dispatchEvent(new Event('input', { bubbles: true }));
            }, [selector, text]);
          } else if (text !== '') {
            await command('POST', `/element/${id}/value`, { text });
          }
        },
        click: async (selector) => command('POST', `/element/${await element(selector)}/click`, {}),
        focus: (selector) => run((s) => document.querySelector(s).focus(), [selector]),
        press: (key) => keys(keyActions(key.split('+').map((k) => webDriverKeys[k] ?? k.toLowerCase()))),
        type: (text) => keys([...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
        select: async (selector, value) => adapter.click(`${selector} option[value="${value}"]`),
        async setChecked(selector, checked) {
          if (await run((s) => document.querySelector(s).checked, [selector]) !== checked) await adapter.click(selector);
        },
        text: (selector) => run((s) => document.querySelector(s).textContent, [selector]),
        value: (selector) => run((s) => document.querySelector(s).value, [selector]),
        visible: (selector) => run(isVisible, [selector]),
        evaluate: (fn, ...args) => run(fn, args),
        // As the body of the driver's script, which the page's policy allows.
        inject: (source) => command('POST', '/execute/sync', { script: source, args: [] }),
        waitFor: (fn, ...args) => command('POST', '/execute/sync', { script: `return ${waitExpression(fn, args)};`, args: [] }),
        get problems() {
          return run(() => globalThis.mareltoProblems ?? ['the page was not loaded'], []);
        },
        close: () => command('POST', '/url', { url: 'about:blank' }),
      };
      return adapter;
    },
    async close() {
      for (const session of sessions.values()) await (await session).close();
      xvfb.stop();
      await rm(config, { recursive: true, force: true });
    },
  };
}

// ----------------------------------------------------------------- Firefox

const firefoxPath = process.env.MARELTO_FIREFOX ?? '/usr/bin/firefox-esr';

async function firefoxEngine() {
  const { default: puppeteer } = await import('puppeteer-core');
  const browsers = new Map();
  const profiles = [];
  const browserFor = (locale) => {
    if (!browsers.has(locale)) {
      browsers.set(locale, (async () => {
        const profile = await mkdtemp(join(tmpdir(), 'marelto-firefox-'));
        profiles.push(profile);
        return puppeteer.launch({
          browser: 'firefox',
          executablePath: firefoxPath,
          protocol: 'webDriverBiDi',
          headless: true,
          userDataDir: profile,
          extraPrefsFirefox: { 'intl.accept_languages': locale, 'intl.locale.requested': locale },
        });
      })());
    }
    return browsers.get(locale);
  };
  const first = await browserFor('de-DE');
  return {
    name: 'firefox',
    version: `Firefox ESR ${(await first.version()).replace(/^firefox\//, '')} (puppeteer-core over WebDriver BiDi)`,
    can: { viewportWidth: () => true, requestLog: true },
    async open({ locale = 'de-DE', width = 390 } = {}) {
      const context = await (await browserFor(locale)).createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ width, height });
      const problems = [];
      page.on('pageerror', (error) => problems.push(error.message));
      page.on('console', (message) => {
        if (message.type() === 'error') problems.push(message.text());
      });
      const requested = [];
      page.on('request', (request) => requested.push(request.url()));
      const evaluate = (fn, ...args) => page.evaluate(expression(fn, args));
      const adapter = {
        problems,
        requested,
        goto: (url) => page.goto(url),
        reload: () => page.reload(),
        // Typed as a visitor types it, except what no keyboard sends (a NUL)
        // or would take minutes to type (a megabyte of digits).
        async fill(selector, text) {
          await page.focus(selector);
          await page.$eval(selector, (field) => field.select());
          if (text.includes('\0') || text.length > 200) {
            await page.$eval(selector, (field, t) => {
              field.value = t;
              field.dispatchEvent(new Event('input', { bubbles: true }));
            }, text);
          } else if (text === '') {
            await page.keyboard.press('Backspace');
          } else {
            await page.keyboard.type(text);
          }
        },
        click: (selector) => page.click(selector),
        focus: (selector) => page.focus(selector),
        async press(key) {
          const keys = key.split('+');
          for (const k of keys) await page.keyboard.down(k === 'Space' ? ' ' : k.length === 1 ? k.toLowerCase() : k);
          for (const k of keys.reverse()) await page.keyboard.up(k === 'Space' ? ' ' : k.length === 1 ? k.toLowerCase() : k);
        },
        type: (text) => page.keyboard.type(text),
        select: (selector, value) => page.select(selector, value),
        async setChecked(selector, checked) {
          if (await page.$eval(selector, (e) => e.checked) !== checked) await page.click(selector);
        },
        text: (selector) => page.$eval(selector, (e) => e.textContent),
        value: (selector) => page.$eval(selector, (e) => e.value),
        visible: (selector) => evaluate(isVisible, selector),
        evaluate,
        waitFor: (fn, ...args) => page.evaluate(waitExpression(fn, args)),
        inject: (source) => page.evaluate(source),
        close: () => context.close(),
      };
      return adapter;
    },
    async close() {
      for (const browser of browsers.values()) await (await browser).close();
      for (const profile of profiles) await rm(profile, { recursive: true, force: true });
    },
  };
}

const engines = { chromium: chromiumEngine, webkit: webKitEngine, firefox: firefoxEngine };

export async function openEngine(name) {
  if (!engines[name]) throw new Error(`no engine '${name}': one of ${Object.keys(engines).join(', ')}`);
  return engines[name]();
}
