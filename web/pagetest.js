#!/usr/bin/env node
// Plays the web build in Debian's headless Chromium and reports what the page did, as JSON on
// standard output: the lines the game printed (its digests among them), its exit status, a
// comparison of the picture it saved with a picture of the native game (and that picture, as
// base64 PNG), the steps per second
// it reported and when its first picture appeared. Only node's own modules: Chromium is driven
// over its DevTools protocol through --remote-debugging-pipe, and the page is served from
// 127.0.0.1 by a server of this script's own.
//
//   node web/pagetest.js --page build-web [--script FILE] [--replay FILE] [--args "GAME ARGUMENTS"]
//        [--hash level=CODE]      (the address's fragment: a shared level's link)
//        [--shot PATH_IN_PAGE --native-shot PNG] [--reload] [--full-screen-key] [--timeout SECONDS]
//        [--lang CODE]            (the browser's language, as "fr" or "pt-BR"; else Chromium's own)
//        [--inspect EXPRESSION]   (evaluated in the page at the end, for looking into a failure)
//        [--clipboard]            (the page may use the clipboard; reports what it holds at the end)
//        [--page-shot PNG]        (the browser's window as it shows the page at the end)
//        [--touch]                (once the first picture shows, two thumbs push the left touch
//                                  stick right and the right one down, held until the game prints
//                                  its first digest; reports the touch pad then)
//        [--tap-after-death]      (a finger taps the picture once the game has printed the digest
//                                  after the first that shows the hero dead, a second of the
//                                  game's own time later: give a script with a digest each second)
//        [--drop FILE]            (once the first picture shows, the file is dropped onto the page
//                                  as a person drags it there from their files)
//        [--hide SECONDS]         (once the first picture shows, plays as a person and hides the
//                                  page that long; give -fps and -record /tmp/hidden.script among
//                                  the game's arguments: reports that recording)
//
// --full-screen-key presses F11 once the game has ended and reports what went full screen.
// --reload loads the page a second time after the game has ended, with no script, and
// reports the player's files the page then finds in the browser (progress, settings, replays),
// whether its service worker took the page over, what its save holds and what it says of bad
// saves, whether the log shows any of the toolchain's lines; then, with the server stopped,
// loads it a third time and reports whether the game started with no server at all; then gives
// Load progress a good save and reports what the page finds once it has started again.
// Every wait is for what the page does (its lines, its digests, its files, its service worker),
// never for a fixed time that a slow or busy machine could miss; --timeout (in seconds, for each
// page played) is only the last guard against a page that hangs.
// Exits 0 with a report, 1 when the page failed, 3 when Chromium cannot start.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const kMimeTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.data': 'application/octet-stream', '.png': 'image/png', '.script': 'text/plain',
  '.webmanifest': 'application/manifest+json',
};

function parseArguments(argv) {
  const options = { page: 'build-web', args: '', timeout: 120 };
  for (let i = 0; i < argv.length; i += 2) {
    const name = argv[i].replace(/^--/, '');
    const flags = { 'reload': 'reload', 'full-screen-key': 'fullScreenKey', 'touch': 'touch', 'tap-after-death': 'tapAfterDeath',
                    'clipboard': 'clipboard' };
    if (flags[name]) {
      options[flags[name]] = true;
      --i;
      continue;
    }
    options[name.replace(/-(.)/g, (_, c) => c.toUpperCase())] = argv[i + 1];
  }
  return options;
}

// Serves the page's folder, and the test's own files under /test/.
function serve(options) {
  const testFiles = {};
  if (options.script)
    testFiles['/test/play.script'] = options.script;
  if (options.nativeShot)
    testFiles['/test/native.png'] = options.nativeShot;
  if (options.replay)
    testFiles['/test/watch.replay'] = options.replay;
  const server = http.createServer((request, response) => {
    const urlPath = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = testFiles[urlPath] ||
      path.join(options.page, path.normalize(urlPath === '/' ? '/index.html' : urlPath));
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, { 'Content-Type': kMimeTypes[path.extname(file)] || 'application/octet-stream',
                                'Content-Length': body.length });
      response.end(body);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// A DevTools protocol connection over the pipe: JSON messages ended by a NUL byte.
class DevTools {
  constructor(input, output) {
    this.output = output;
    this.nextId = 1;
    this.waiting = new Map();
    this.buffered = '';
    this.console = []; // the page's console messages and uncaught exceptions, for the report
    input.on('data', chunk => this.receive(chunk));
  }

  receive(chunk) {
    this.buffered += chunk.toString('utf8');
    let end;
    while ((end = this.buffered.indexOf('\0')) >= 0) {
      const message = JSON.parse(this.buffered.slice(0, end));
      this.buffered = this.buffered.slice(end + 1);
      if (message.method)
        this.noteEvent(message);
      const pending = this.waiting.get(message.id);
      if (!pending)
        continue;
      this.waiting.delete(message.id);
      if (message.error)
        pending.reject(new Error(pending.method + ': ' + message.error.message));
      else
        pending.resolve(message.result);
    }
  }

  noteEvent(message) {
    if (message.method === 'Runtime.consoleAPICalled')
      this.console.push(message.params.args.map(a => a.value !== undefined ? a.value : a.description).join(' '));
    else if (message.method === 'Runtime.exceptionThrown')
      this.console.push('uncaught: ' + (message.params.exceptionDetails.exception || {}).description);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.output.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, method }));
  }
}

function startChromium(profile, language) {
  const flags = [...(language ? ['--lang=' + language, '--accept-lang=' + language] : []), '--headless=new', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-sandbox',
                 '--remote-debugging-pipe', '--user-data-dir=' + profile, '--no-first-run', '--disable-dev-shm-usage',
                 '--autoplay-policy=no-user-gesture-required', '--disable-frame-rate-limit', '--disable-gpu-vsync', '--window-size=1280,900', 'about:blank'];
  return childProcess.spawn(process.env.CHROMIUM || 'chromium', flags,
                            { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
}

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

async function evaluate(devtools, sessionId, expression) {
  const result = await devtools.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true },
                                     sessionId);
  if (result.exceptionDetails)
    throw new Error('in the page: ' + (result.exceptionDetails.exception || {}).description);
  return result.result.value;
}

// The guard of every wait: a page that has not done what is waited for by then hangs.
let guardMs = 120000;

// Waits until the expression, evaluated in the page, gives something true (a page between two
// documents, which cannot answer, has not done it yet); that value, or null past the guard.
async function waitFor(devtools, sessionId, expression) {
  const started = Date.now();
  while (Date.now() - started < guardMs) {
    const value = await evaluate(devtools, sessionId, expression).catch(() => null);
    if (value)
      return value;
    await sleep(50);
  }
  return null;
}

// Whether the page's service worker is active (it has kept every file); false after a second
// without an answer, to be asked again.
const kServiceWorkerActive = `Promise.race([navigator.serviceWorker.ready.then(r => !!r.active && r.active.state === 'activated'),
                                           new Promise(resolve => setTimeout(() => resolve(false), 1000))])`;

// The digest lines the game has printed so far, as the page counts them.
const kDigestCount = "(Module.lines || []).filter(line => line.startsWith('digest ')).length";

// A first touch shows the touch controls; then two thumbs at once, one on each touch stick: the
// left pushed right, the right pushed down (the way a hero arriving at the top of the sheet has
// room to fire), each past half way, held until the game has printed its first digest, then
// lifted: what the touch pad says while they are held.
async function pushSticks(devtools, sessionId) {
  const touch = (type, points) => devtools.send('Input.dispatchTouchEvent', { type, touchPoints: points }, sessionId);
  await touch('touchStart', [{ x: 100, y: 100, id: 1 }]);
  await touch('touchEnd', []);
  await waitFor(devtools, sessionId, "!document.getElementById('touch').hidden");
  const centre = stick => evaluate(devtools, sessionId, `(() => {
    const r = document.querySelector('#touch .stick.${stick}').getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  })()`);
  const left = await centre('left');
  const right = await centre('right');
  const thumbs = reach => [{ x: left.x + reach, y: left.y, id: 1 }, { x: right.x, y: right.y + reach, id: 2 }];
  await touch('touchStart', thumbs(0));
  await touch('touchMove', thumbs(30));
  await touch('touchMove', thumbs(80));
  const held = await waitFor(devtools, sessionId,
                             '(s => s.fingers === 2 && s.axes[0] >= 0.5 && s.axes[3] >= 0.5 && s)(TouchPad.state())') ||
               await evaluate(devtools, sessionId, 'TouchPad.state()');
  await waitFor(devtools, sessionId, `${kDigestCount} > 0 || window.tobrakkaEnded !== undefined`);
  await touch('touchEnd', []);
  return held;
}

// A finger that lands on the picture away from the touch controls once the game has printed the
// digest after the first that shows the hero dead (the game's time, not the page's, decides when
// the death comes and when a second of it has passed), and is lifted at once: the game hears it
// as its continue key.
async function tapPictureAfterDeath(devtools, sessionId) {
  const dead = `(lines => { const i = lines.findIndex(line => line.includes(' player=dead ')); return i >= 0 && i + 1;
                 })((Module.lines || []).filter(line => line.startsWith('digest ')))`;
  const digestsAtDeath = await waitFor(devtools, sessionId, dead);
  if (!digestsAtDeath || !(await waitFor(devtools, sessionId, `${kDigestCount} > ${digestsAtDeath}`)))
    return false;
  const at = await evaluate(devtools, sessionId, `(() => {
    const r = document.querySelector('canvas').getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 4 };
  })()`);
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: at.x, y: at.y, id: 1 }] }, sessionId);
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] }, sessionId);
  return true;
}

async function pressKey(devtools, sessionId, key, code, keyCode) {
  const event = { key, code, windowsVirtualKeyCode: keyCode };
  await devtools.send('Input.dispatchKeyEvent', Object.assign({ type: 'keyDown' }, event), sessionId);
  await devtools.send('Input.dispatchKeyEvent', Object.assign({ type: 'keyUp' }, event), sessionId);
}

// The page hidden and shown again as when the player switches tabs: the document says it is
// hidden and the browser's visibilitychange reaches the page.
function setHiddenExpression(hidden) {
  return `(() => {
    Object.defineProperty(document, 'hidden', { configurable: true, get: () => ${hidden} });
    Object.defineProperty(document, 'visibilityState', { configurable: true, get: () => '${hidden ? 'hidden' : 'visible'}' });
    document.dispatchEvent(new Event('visibilitychange'));
  })()`;
}

// A player's game, recorded: space past the title, a press of W once the game has played a
// second (its first fps line), the page hidden for the seconds given and shown again, P to
// resume, W again half a second later, then Quit in the pause menu.
// A game that pauses while hidden records the two presses about half a second of game time apart.
// A file dropped onto the page, as the browser hands a file dragged from the desktop to it.
async function dropFile(devtools, sessionId, file) {
  const bytes = fs.readFileSync(file).toString('base64');
  const name = JSON.stringify(require('path').basename(file));
  await evaluate(devtools, sessionId, `(() => {
    const bytes = Uint8Array.from(atob(${JSON.stringify(bytes)}), c => c.charCodeAt(0));
    const carried = new DataTransfer();
    carried.items.add(new File([bytes], ${name}));
    document.getElementById('canvas').dispatchEvent(new DragEvent('drop', { dataTransfer: carried, bubbles: true }));
  })()`);
  return true;
}

async function hidePage(devtools, sessionId, seconds) {
  await pressKey(devtools, sessionId, ' ', 'Space', 32);
  await waitFor(devtools, sessionId, "(Module.lines || []).some(line => line.startsWith('fps: '))");
  await pressKey(devtools, sessionId, 'w', 'KeyW', 87);
  await sleep(200);
  await evaluate(devtools, sessionId, setHiddenExpression(true));
  await sleep(seconds * 1000);
  await evaluate(devtools, sessionId, setHiddenExpression(false));
  await sleep(200);
  await pressKey(devtools, sessionId, 'p', 'KeyP', 80);
  await sleep(500);
  await pressKey(devtools, sessionId, 'w', 'KeyW', 87);
  await sleep(200);
  await pressKey(devtools, sessionId, 'Escape', 'Escape', 27); // the pause menu: up from its first
  await pressKey(devtools, sessionId, 'ArrowUp', 'ArrowUp', 38); // line round to its last, Quit
  await pressKey(devtools, sessionId, 'Enter', 'Enter', 13);
  return true;
}

// A good save given to Load progress: the player's own save with a copy of a replay under a new
// name. The page keeps its files and starts again; what the new page then finds.
const kLoadedReplay = '20260101-000000-level01.replay';
const kReplaysInPage = "(() => { try { return FS.readdir('/player/data/tobrakka/replays').filter(name => name.endsWith('.replay')); } catch (e) { return null; } })()";
async function loadGoodSave(devtools, sessionId) {
  // The page has its files from the browser's storage once the game has started.
  await waitFor(devtools, sessionId, `window.tobrakkaFirstPicture !== undefined && (${kReplaysInPage} || []).length`);
  const before = await evaluate(devtools, sessionId, `(() => {
    const save = JSON.parse(PlayerSaves.saveText());
    const replay = Object.keys(save.files).find(path => path.endsWith('.replay'));
    if (!replay)
      return null;
    save.files[replay.replace(/[^/]*$/, '${kLoadedReplay}')] = save.files[replay];
    const files = new DataTransfer();
    files.items.add(new File([JSON.stringify(save)], 'tobrakka-progress.json'));
    const input = document.getElementById('loadfile');
    input.files = files.files;
    input.dispatchEvent(new Event('change'));
    return performance.timeOrigin;
  })()`);
  if (before === null)
    return { reloaded: false, why: 'no replay to copy' };
  const replays = await waitFor(devtools, sessionId, `performance.timeOrigin !== ${before} &&
    window.tobrakkaFirstPicture !== undefined && ${kReplaysInPage}`);
  if (!replays)
    return { reloaded: false, why: 'the page did not start again' };
  return { reloaded: true, loadedReplayKept: replays.includes(kLoadedReplay) };
}

// Loads the page and waits until the game has ended; the page's own record of the run.
// act: what to do once the first picture shows (pushes a stick, hides the page), its result
// reported as touched.
// A shared level's link asks first: the test answers as a player keeping the level would.
const kKeepSharedLevel = `(() => { const keep = document.getElementById('sharedkeep');
  if (!keep || document.getElementById('shared').hidden) return false; keep.click(); return true; })()`;

async function playPage(devtools, sessionId, address, timeoutSeconds, act = null) {
  const started = Date.now();
  await devtools.send('Page.navigate', { url: address }, sessionId);
  let firstPicture = null;
  let touched = null;
  let answered = !address.includes('#level=');
  while (Date.now() - started < timeoutSeconds * 1000) {
    await sleep(50);
    if (!answered)
      answered = await evaluate(devtools, sessionId, kKeepSharedLevel).catch(() => false);
    // Between two documents the page cannot answer: it has not started yet.
    const state = await evaluate(devtools, sessionId,
      '({ ended: window.tobrakkaEnded, first: window.tobrakkaFirstPicture, loaded: performance.timeOrigin })')
      .catch(() => ({}));
    if (firstPicture === null && state.first !== undefined)
      firstPicture = state.first;
    if (act && firstPicture !== null && !touched)
      touched = await act();
    if (state.ended !== undefined)
      return { status: state.ended, firstPictureMs: firstPicture, touched,
               lines: await evaluate(devtools, sessionId, 'Module.lines') };
  }
  return { status: 'timeout', firstPictureMs: firstPicture,
           lines: await evaluate(devtools, sessionId, 'window.Module ? Module.lines : []').catch(() => []) };
}

// In the page: the picture the game saved against the native one, channel by channel.
function comparePicturesExpression(shotPath) {
  return `(async () => {
    const decode = async blob => {
      const bitmap = await createImageBitmap(blob);
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const web = await decode(new Blob([FS.readFile(${JSON.stringify(shotPath)})], { type: 'image/png' }));
    const native = await decode(await (await fetch('/test/native.png')).blob());
    if (web.width !== native.width || web.height !== native.height)
      return { sizeDiffers: true };
    let total = 0, largest = 0, pixelsOff = 0;
    for (let i = 0; i < web.data.length; i += 4) {
      let off = 0;
      for (let c = 0; c < 3; ++c) {
        const d = Math.abs(web.data[i + c] - native.data[i + c]);
        total += d;
        off = Math.max(off, d);
      }
      largest = Math.max(largest, off);
      if (off > 24)
        ++pixelsOff;
    }
    const pixels = web.width * web.height;
    return { meanDifference: total / (pixels * 3), largestDifference: largest, shareOff: pixelsOff / pixels };
  })()`;
}

// Chromium's helper processes may still be writing into its profile for a moment after the
// browser itself has exited: the removal tries again, and a folder left behind in the temporary
// directory is said on standard error, never mixed into the report.
function removeProfile(profile) {
  try {
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  } catch (error) {
    process.stderr.write(`pagetest: left ${profile} behind: ${error.message}\n`);
  }
}

async function run(options) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tobrakka-chromium-'));
  const server = await serve(options);
  const chromium = startChromium(profile, options.lang);
  let stderr = '';
  chromium.stderr.on('data', chunk => { stderr += chunk; });
  const spawnFailed = new Promise(resolve => chromium.on('error', error => resolve(error)));
  const exited = new Promise(resolve => chromium.on('exit', code => resolve(code)));
  const devtools = new DevTools(chromium.stdio[4], chromium.stdio[3]);
  try {
    guardMs = Number(options.timeout) * 1000;
    // A browser that has not answered by the guard cannot start here (a failure to start answers at once).
    const version = await Promise.race([devtools.send('Browser.getVersion'), spawnFailed, exited, sleep(guardMs)]);
    if (!version || !version.product) {
      process.stdout.write(JSON.stringify({ chromiumFailed: String(version), stderr: stderr.slice(-2000) }) + '\n');
      return 3;
    }
    const { targetId } = await devtools.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await devtools.send('Target.attachToTarget', { targetId, flatten: true });
    await devtools.send('Page.enable', {}, sessionId);
    await devtools.send('Runtime.enable', {}, sessionId);
    const base = `http://127.0.0.1:${server.address().port}/`;
    if (options.clipboard)
      await devtools.send('Browser.grantPermissions', { origin: base.slice(0, -1),
                                                        permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
    const query = new URLSearchParams({ args: options.args });
    if (options.script)
      query.set('script', '/test/play.script');
    if (options.replay)
      query.set('replay', '/test/watch.replay');
    const act = options.touch ? () => pushSticks(devtools, sessionId)
      : options.tapAfterDeath ? () => tapPictureAfterDeath(devtools, sessionId)
      : options.hide ? () => hidePage(devtools, sessionId, Number(options.hide))
      : options.drop ? () => dropFile(devtools, sessionId, options.drop) : null;
    const address = base + 'index.html?' + query + (options.hash ? '#' + options.hash : '');
    const report = await playPage(devtools, sessionId, address, Number(options.timeout), act);
    if (options.hide)
      report.recording = await evaluate(devtools, sessionId,
        `(() => { try { return FS.readFile('/tmp/hidden.script', { encoding: 'utf8' }); } catch (e) { return null; } })()`);
    report.chromium = version.product;
    if (options.fullScreenKey) {
      // F11 as the person at the keyboard presses it: the page must put the canvas on the screen.
      await pressKey(devtools, sessionId, 'F11', 'F11', 122);
      report.fullScreenElement = await waitFor(devtools, sessionId,
        'document.fullscreenElement ? document.fullscreenElement.id : null');
    }
    if (options.pageShot) {
      const { data } = await devtools.send('Page.captureScreenshot', { format: 'png' }, sessionId);
      fs.writeFileSync(options.pageShot, Buffer.from(data, 'base64'));
    }
    if (options.inspect)
      report.inspected = await evaluate(devtools, sessionId, options.inspect);
    if (options.clipboard)
      report.clipboard = await evaluate(devtools, sessionId, 'navigator.clipboard.readText()').catch(error => String(error));
    report.console = devtools.console.slice(0, 50);
    if (options.shot && report.status === 0) {
      report.picture = await evaluate(devtools, sessionId, comparePicturesExpression(options.shot));
      report.pagePicture = await evaluate(devtools, sessionId,
        `(() => { let s = ''; for (const b of FS.readFile(${JSON.stringify(options.shot)})) s += String.fromCharCode(b); return btoa(s); })()`);
    }
    if (options.reload) {
      // The service worker the first visit installed keeps every file once it is active.
      await waitFor(devtools, sessionId, kServiceWorkerActive);
      const again = await playPage(devtools, sessionId, base + 'index.html?' +
                                   new URLSearchParams({ args: '-fps -demo 1' }), Number(options.timeout));
      await waitFor(devtools, sessionId, '!!navigator.serviceWorker.controller');
      report.reloaded = await evaluate(devtools, sessionId, `(async () => {
        const read = name => { try { return FS.readFile(name, { encoding: 'utf8' }); } catch (e) { return null; } };
        const list = folder => { try { return FS.readdir(folder).filter(name => name.endsWith('.replay')); } catch (e) { return []; } };
        const save = PlayerSaves.saveText();
        const log = document.getElementById('log');
        return { progress: read('/player/state/tobrakka/progress'), settings: read('/player/config/tobrakka/settings'),
                 replays: list('/player/data/tobrakka/replays'),
                 serviceWorker: !!navigator.serviceWorker.controller, caches: await caches.keys(),
                 save: PlayerSaves.check(save),
                 badSaves: [PlayerSaves.check(save.slice(0, save.length / 2)), PlayerSaves.check('{"other-game": 1}'),
                            PlayerSaves.check('{"tobrakka-save": 1, "files": {"../../etc/passwd": ""}}')],
                 logHidden: log.hidden, toolchainInLog: /emscripten/i.test(log.textContent),
                 // What a player reads on the page: the bar and the game's own notes, nothing of the toolchain.
                 visibleText: document.body.innerText,
                 firstReplay: list('/player/data/tobrakka/replays').map(name => read('/player/data/tobrakka/replays/' + name))[0],
                 buttons: await (async () => {
                   // The bar's save buttons, their downloads caught; a foreign file given to Load progress.
                   const downloads = [];
                   const click = HTMLAnchorElement.prototype.click;
                   HTMLAnchorElement.prototype.click = function () { downloads.push(this.download); };
                   document.getElementById('save').click();
                   document.getElementById('savereplay').click();
                   HTMLAnchorElement.prototype.click = click;
                   const input = document.getElementById('loadfile');
                   const files = new DataTransfer();
                   files.items.add(new File(['{"other-game": 1}'], 'other.json'));
                   input.files = files.files;
                   input.dispatchEvent(new Event('change'));
                   const note = document.getElementById('note');
                   const deadline = performance.now() + ${guardMs};
                   while (!/^Not loaded/.test(note.textContent) && performance.now() < deadline)
                     await new Promise(resolve => setTimeout(resolve, 50));
                   return { downloads, afterForeignLoad: note.textContent };
                 })() };
      })()`);
      report.reloaded.status = again.status;
      // No server: the service worker alone must start the game.
      server.closeAllConnections();
      await new Promise(resolve => server.close(resolve));
      await devtools.send('Page.navigate', { url: base + 'index.html?' + new URLSearchParams({ args: '-demo 1' }) },
                          sessionId);
      const offline = await waitFor(devtools, sessionId, "window.tobrakkaEnded !== undefined && ({ status: window.tobrakkaEnded })");
      report.offlineStatus = offline ? offline.status : 'timeout';
      report.goodLoad = await loadGoodSave(devtools, sessionId);
    }
    process.stdout.write(JSON.stringify(report) + '\n');
    return report.status === 0 ? 0 : 1;
  } finally {
    chromium.kill();
    if (server.listening)
      server.close();
    await exited;
    removeProfile(profile);
  }
}

run(parseArguments(process.argv.slice(2))).then(code => process.exit(code), error => {
  process.stdout.write(JSON.stringify({ error: error.message }) + '\n');
  process.exit(1);
});
