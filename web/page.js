// The page around the game: its arguments from the address, the player's files kept in the
// browser's IndexedDB, the bar (full screen, sound, saving and loading the player's files,
// opening a replay, the log), the service worker that keeps the page for offline play, and the
// end of a run for a test to read.
//
// The address takes  ?args=<the game's arguments, space-separated>  and  &script=<address of
// an input script>, which is fetched and played with -script. Whatever the game prints is in
// Module.lines; the log under the bar shows the game's own lines once asked for, never the
// toolchain's. window.tobrakkaEnded holds the exit status once the game has shut down.
'use strict';

(function () {
  const kPlayerFolder = '/player';
  const kScriptFile = '/tmp/page.script';
  const kReplayFile = '/tmp/page.replay';
  const kReplaysFolder = kPlayerFolder + '/data/tobrakka/replays';
  const params = new URLSearchParams(window.location.search);
  const note = document.getElementById('note');
  const log = document.getElementById('log');
  const canvas = document.getElementById('canvas');
  let soundStarted = false; // by the first click or key
  const Tr = PageText.Tr;
  const fill = PageText.fill;
  PageText.speakTheBrowsers();

  // Lines of emscripten's own (its GL emulation's warnings, its SDL driver, empty brackets) are
  // for developers: they stay in Module.lines and the browser's console.
  function fromTheToolchain(line) {
    return /emscripten|^warning: |^\[\s*\]$/i.test(line);
  }

  function show(line) {
    Module.lines.push(line);
    if (fromTheToolchain(line)) {
      console.log(line);
      return;
    }
    log.textContent += line + '\n';
    log.scrollTop = log.scrollHeight;
  }

  // A line under the picture for the player (the last one said stays, lettered again in a new
  // language: say takes a function that words it).
  let saying = function () { return ''; };
  function say(words) {
    saying = typeof words === 'function' ? words : function () { return words; };
    note.textContent = saying();
  }

  // The sound switch, and the silence of a hidden page: every Web Audio context the game makes is
  // suspended, and every audio element it plays (the music) muted, while either holds.
  const PageSound = (function () {
    const contexts = [];
    const players = new Set();
    let switchedOff = false;
    let hidden = document.hidden;
    const silent = function () { return switchedOff || hidden; };
    const Native = window.AudioContext || window.webkitAudioContext;
    if (Native) {
      const Counted = function (options) {
        const context = new Native(options);
        contexts.push(context);
        if (silent())
          context.suspend();
        return context;
      };
      Counted.prototype = Native.prototype;
      window.AudioContext = window.webkitAudioContext = Counted;
    }
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function () {
      players.add(this);
      this.muted = silent();
      return play.apply(this, arguments);
    };
    function apply() {
      for (const context of contexts)
        silent() ? context.suspend() : context.resume();
      for (const player of players)
        player.muted = silent();
    }
    // The toolchain resumes its contexts at a click or key: the switch holds over that.
    window.addEventListener('pointerdown', function () { setTimeout(apply, 0); }, true);
    window.addEventListener('keydown', function () { setTimeout(apply, 0); }, true);
    document.addEventListener('visibilitychange', function () {
      hidden = document.hidden;
      apply();
    });
    let letter = function () {};
    return {
      wire: function (button) {
        letter = function () { button.textContent = switchedOff ? Tr('page', 'Sound: off') : Tr('page', 'Sound: on'); };
        PageText.onChange(letter);
        button.addEventListener('click', function () {
          switchedOff = !switchedOff;
          letter();
          apply();
          canvas.focus();
        });
      },
    };
  })();

  // What the toolchain says while the game's files arrive ("Downloading data... (12/345)").
  function loadingNote(status) {
    const parts = /\((\d+)\/(\d+)\)/.exec(status);
    const share = parts && Number(parts[2]) > 0 ? Math.floor(100 * Number(parts[1]) / Number(parts[2])) : null;
    return Tr('page', 'Loading…') + (share === null ? '' : ' ' + share + '%');
  }

  function gameArguments() {
    const words = (params.get('args') || '').split(/\s+/).filter(Boolean);
    if (params.has('script'))
      words.push('-script', kScriptFile);
    if (params.has('replay'))
      words.push('-replay', kReplayFile);
    // A day's level: index.html#daily=2026-12-10 plays it as practice.
    const daily = /^#daily=([0-9-]+)$/.exec(window.location.hash);
    if (daily)
      words.push('-daily', daily[1]);
    return words;
  }

  // A shared level's link, index.html#level=CODE: the page asks first whether to play it and keep
  // it in My levels (it then plays after the title), and the game waits for the answer. The game
  // reads its arguments when it starts, from the very list the page gave it.
  function askAboutSharedLevel() {
    const shared = /^#level=([A-Za-z0-9_-]+)$/.exec(window.location.hash);
    if (!shared)
      return;
    const ask = document.getElementById('shared');
    ask.hidden = false;
    addRunDependency('shared level');
    const answer = function (keep) {
      ask.hidden = true;
      if (keep)
        Module.arguments.push('-shared', shared[1]);
      else
        history.replaceState(null, '', window.location.pathname + window.location.search);
      removeRunDependency('shared level');
      canvas.focus();
    };
    document.getElementById('sharedkeep').addEventListener('click', function () { answer(true); }, { once: true });
    document.getElementById('sharedskip').addEventListener('click', function () { answer(false); }, { once: true });
  }

  // Saving a file of the player's ends in a rename (the game writes FILE.new, then renames it);
  // each one is written through to IndexedDB, one store at a time.
  let storing = false;
  let storeAgain = false;
  function storePlayerFiles() {
    if (storing) {
      storeAgain = true;
      return;
    }
    storing = true;
    FS.syncfs(false, function (error) {
      if (error)
        say(() => fill(Tr('page', 'Your progress could not be kept in this browser (%s): use Save my progress.'), error));
      storing = false;
      if (storeAgain) {
        storeAgain = false;
        storePlayerFiles();
      }
    });
  }

  function mountPlayerFiles() {
    ENV.TOBRAKKA_DATA = '/game';
    ENV.XDG_CONFIG_HOME = kPlayerFolder + '/config';
    ENV.XDG_STATE_HOME = kPlayerFolder + '/state';
    ENV.XDG_DATA_HOME = kPlayerFolder + '/data'; // the replays
    FS.mkdir(kPlayerFolder);
    FS.mount(IDBFS, {}, kPlayerFolder);
    addRunDependency('player files');
    FS.syncfs(true, function (error) {
      // Storage blocked (a private window) or broken: the game plays, its files in memory only.
      if (error)
        say(() => fill(Tr('page', 'This browser keeps no progress here (%s): use Save my progress.'), error));
      removeRunDependency('player files');
    });
    const rename = FS.rename;
    FS.rename = function (from, to) {
      rename(from, to);
      if (to.startsWith(kPlayerFolder + '/'))
        storePlayerFiles();
    };
  }

  // ?script=URL and ?replay=URL: an input script to play, a replay to watch, fetched before the
  // game starts.
  function fetchInto(parameter, file) {
    if (!params.has(parameter))
      return;
    addRunDependency(parameter);
    fetch(params.get(parameter))
      .then(function (response) {
        if (!response.ok)
          throw new Error(response.status + ' ' + response.statusText);
        return response.arrayBuffer();
      })
      .then(function (bytes) {
        FS.writeFile(file, new Uint8Array(bytes));
        removeRunDependency(parameter);
      })
      .catch(function (error) {
        show('cannot fetch the ' + parameter + ' ' + params.get(parameter) + ': ' + error.message);
      });
  }

  // On a phone, full screen also turns the picture sideways where the browser lets a page lock
  // its orientation (elsewhere the lock is refused, and the picture stays as it is).
  function fullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      canvas.requestFullscreen()
        .then(function () { return screen.orientation && screen.orientation.lock ? screen.orientation.lock('landscape') : null; })
        .catch(function () {});
    }
    canvas.focus();
  }

  window.Module = {
    canvas: canvas,
    arguments: gameArguments(),
    lines: [],
    preRun: [mountPlayerFiles, askAboutSharedLevel,
             function () { fetchInto('script', kScriptFile); fetchInto('replay', kReplayFile); }],
    // The effects are decoded by Web Audio when the game loads them; the music streams from an
    // audio element rather than lie decoded in memory.
    noAudioDecoding: true,
    SDL_canPlayWithWebAudio: function (name) { return !name.endsWith('.ogg'); },
    print: show,
    printErr: show,
    setStatus: function (text) {
      if (text)
        say(() => loadingNote(text));
      else if (!soundStarted)
        say(() => Tr('page', 'Click or press a key to start the sound'));
    },
    onRuntimeInitialized: function () {
      window.tobrakkaStarted = performance.now();
    },
    // The run counts as ended once the player's files are in the browser.
    onGameEnded: function (status) {
      FS.syncfs(false, function (error) {
        if (error)
          show('could not keep the player files in the browser: ' + error);
        say(() => fill(Tr('page', 'The game has ended (%s). Reload the page to play again.'), status));
        window.tobrakkaEnded = status;
      });
    },
  };

  // The page's own words in its language, again each time the game changes it.
  function letterThePage() {
    const words = {
      turn: Tr('page', 'Turn your phone: Tobrakka plays sideways.'),
      sharedquestion: Tr('page', 'A level was shared with you.'),
      sharedkeep: Tr('page', 'Play it and keep it in My levels'),
      sharedskip: Tr('page', 'Not now'),
      fullscreen: Tr('page', 'Full screen (F11)'),
      save: Tr('page', 'Save my progress'),
      load: Tr('page', 'Load progress'),
      savereplay: Tr('page', 'Save the last replay'),
      openreplay: Tr('page', 'Open a replay'),
      logswitch: Tr('page', 'Log'),
    };
    for (const id in words)
      document.getElementById(id).textContent = words[id];
    note.textContent = saying();
  }
  say(() => Tr('page', 'Loading…'));
  PageText.onChange(letterThePage);
  Module.onLanguage = function (code) {
    Module.spoken = code; // what the game said, for a test to read
    PageText.speak(code);
  };

  document.getElementById('fullscreen').addEventListener('click', fullScreen);
  PageSound.wire(document.getElementById('sound'));
  TouchPad.wire(document.getElementById('touch'));
  PlayerSaves.wire(kPlayerFolder, kReplaysFolder, say, storePlayerFiles);
  document.getElementById('logswitch').addEventListener('click', function () {
    log.hidden = !log.hidden;
    canvas.focus();
  });
  // Browsers start sound only after a click or a key: the first one starts it.
  function soundStarts() {
    if (soundStarted)
      return;
    soundStarted = true;
    if (note.textContent === Tr('page', 'Click or press a key to start the sound'))
      say('');
  }
  window.addEventListener('pointerdown', soundStarts, true);
  window.addEventListener('keydown', soundStarts, true);
  if ('serviceWorker' in navigator && window.isSecureContext) {
    navigator.serviceWorker.register('serviceworker.js').catch(function (error) {
      console.log('the page will need its server next time: ' + error);
    });
  }
  // F11 and Alt+Enter are the page's, not the browser's: the canvas alone fills the screen. The
  // game never sees them, so it does not try to change a window it does not have (and a browser
  // grants full screen only while it handles the key itself).
  function isFullScreenKey(event) {
    return event.key === 'F11' || (event.key === 'Enter' && event.altKey);
  }
  window.addEventListener('keydown', function (event) {
    if (!isFullScreenKey(event))
      return;
    event.preventDefault();
    event.stopImmediatePropagation();
    fullScreen();
  }, true);
  window.addEventListener('keyup', function (event) {
    if (isFullScreenKey(event))
      event.stopImmediatePropagation();
  }, true);
  window.addEventListener('pagehide', storePlayerFiles);
  // A paste while the game asks for text (a level's name, a shared link) is kept until the game
  // takes it on its next frame; pastes while it asks for none are dropped.
  let pasted = '';
  window.addEventListener('paste', function (event) {
    const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    if (!text)
      return;
    pasted += text;
    event.preventDefault();
  });
  Module.takePasted = function () {
    const text = pasted;
    pasted = '';
    return text;
  };
  // A file dropped onto the page (a level file, a pack's zip) is written into the game's files
  // and handed to the game, which takes it at its main menu (Make levels says what came of it).
  const kDroppedFolder = '/tmp/dropped';
  const kLargestDrop = 10 * 1024 * 1024;
  const droppedPaths = [];
  let drops = 0;
  Module.takeDropped = function () { return droppedPaths.shift() || ''; };
  window.addEventListener('dragover', function (event) { event.preventDefault(); });
  window.addEventListener('drop', function (event) {
    event.preventDefault();
    for (const file of event.dataTransfer ? event.dataTransfer.files : []) {
      if (file.size > kLargestDrop) {
        say(() => fill(Tr('page', '%s is larger than 10 MB: no level or pack is that large.'), file.name));
        continue;
      }
      file.arrayBuffer().then(function (bytes) {
        try { FS.mkdir(kDroppedFolder); } catch (error) { /* there already */ }
        // Its own name, of letters the game's files take, numbered so that no drop overwrites another.
        const path = kDroppedFolder + '/' + (++drops) + '-' + file.name.replace(/[^A-Za-z0-9._-]/g, '_');
        FS.writeFile(path, new Uint8Array(bytes));
        droppedPaths.push(path);
        say(() => fill(Tr('page', '%s is handed to the game: it shows under Make levels, from the main menu.'), file.name));
      });
    }
    canvas.focus();
  });
})();
