// Saves a player can keep. "Save my progress" downloads one file with everything the game keeps
// in the browser (progress and records, settings, replays, the daily history); "Load progress" reads such a file
// back, and refuses one that is not (another game's, a truncated one, a file too large) with a
// line, overwriting nothing; "Save the last replay" downloads the newest replay alone; "Open a
// replay" adds a replay file to the player's replays, where the game's Replays list shows it. At the first save the page asks the browser to keep its
// storage, and says once when the browser will not promise it. Its lines are in the page's language.
'use strict';

const PlayerSaves = (function () {
  const kMagic = 'tobrakka-save';
  const kVersion = 1;
  const kSaveName = 'tobrakka-progress.json';
  const kLargestSave = 256 << 20;
  const kLargestReplay = 32 << 20; // as the game reads them
  // What a save holds, by its path in the player's folder.
  const kKept = [/^state\/tobrakka\/progress$/, /^config\/tobrakka\/settings$/,
                 /^data\/tobrakka\/replays\/[A-Za-z0-9._-]+\.replay$/, /^state\/tobrakka\/daily\/history$/];
  let root = '';
  let say = function () {};
  let askedToKeep = false;
  const Tr = PageText.Tr;
  const fill = PageText.fill;

  function kept(path) {
    return kKept.some(function (pattern) { return pattern.test(path); });
  }

  // The player's files under the folder, by their paths in it.
  function listFiles(folder, prefix, out) {
    let names = [];
    try {
      names = FS.readdir(folder);
    } catch (error) {
      return out;
    }
    for (const name of names) {
      if (name === '.' || name === '..')
        continue;
      const path = prefix + name;
      if (FS.isDir(FS.stat(folder + '/' + name).mode))
        listFiles(folder + '/' + name, path + '/', out);
      else if (kept(path))
        out.push(path);
    }
    return out;
  }

  function toBase64(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(text);
  }

  function fromBase64(text) {
    const raw = atob(text);
    const bytes = new Uint8Array(raw.length);
    for (let i = 0; i < raw.length; ++i)
      bytes[i] = raw.charCodeAt(i);
    return bytes;
  }

  function askToKeep() {
    if (askedToKeep || !navigator.storage || !navigator.storage.persist)
      return;
    askedToKeep = true;
    navigator.storage.persist().then(function (granted) {
      if (!granted)
        say(() => Tr('page', 'This browser may clear your progress one day: keep the file you saved.'));
    }, function () {});
  }

  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
  }

  // The whole save as text.
  function saveText() {
    const files = {};
    for (const path of listFiles(root, '', []))
      files[path] = toBase64(FS.readFile(root + '/' + path));
    return JSON.stringify({ [kMagic]: kVersion, saved: new Date().toISOString(), files: files });
  }

  function save() {
    download(new Blob([saveText()], { type: 'application/json' }), kSaveName);
    say(() => fill(Tr('page', 'Your progress, settings, replays and daily history are in %s.'), kSaveName));
    askToKeep();
  }

  // The files of a save's text, each checked; throws with what is wrong.
  function readSave(text) {
    let save = null;
    try {
      save = JSON.parse(text);
    } catch (error) {
      throw new Error('it is not a Tobrakka save (or it was cut short)');
    }
    if (!save || save[kMagic] !== kVersion || typeof save.files !== 'object' || !save.files)
      throw new Error('it is not a Tobrakka save');
    const files = {};
    for (const path of Object.keys(save.files)) {
      if (!kept(path) || typeof save.files[path] !== 'string')
        throw new Error('it holds ' + JSON.stringify(path.slice(0, 60)) + ', which a save never does');
      try {
        files[path] = fromBase64(save.files[path]);
      } catch (error) {
        throw new Error('its ' + path + ' is damaged');
      }
    }
    return files;
  }

  function writeFiles(files) {
    for (const path of Object.keys(files)) {
      const full = root + '/' + path;
      FS.mkdirTree(full.slice(0, full.lastIndexOf('/')));
      FS.writeFile(full, files[path]);
    }
  }

  function load(file) {
    if (file.size > kLargestSave) {
      say(() => fill(Tr('page', 'Not loaded: %s is too large to be a Tobrakka save.'), file.name));
      return;
    }
    file.text().then(function (text) {
      let files;
      try {
        files = readSave(text);
      } catch (error) {
        say(() => fill(Tr('page', 'Not loaded: %s: %s. Nothing was changed.'), file.name, error.message));
        return;
      }
      writeFiles(files);
      // The game reads its files as it starts: it starts again, with these.
      FS.syncfs(false, function (error) {
        if (error) {
          say(() => fill(Tr('page', 'The progress could not be kept in this browser: %s'), error));
          return;
        }
        say(() => Tr('page', 'Progress loaded: the game starts again with it.'));
        setTimeout(function () { window.location.reload(); }, 800);
      });
    }, function (error) {
      say(() => fill(Tr('page', 'Not loaded: %s cannot be read (%s).'), file.name, error));
    });
  }

  // The newest replay (their names begin with the date they were played) as a download.
  function saveNewestReplay(folder) {
    let names = [];
    try {
      names = FS.readdir(folder).filter(function (name) { return /^[0-9]{8}-[0-9]{6}-.*\.replay$/.test(name); });
    } catch (error) {
      names = [];
    }
    if (!names.length) {
      say(() => Tr('page', 'No replay yet: clear a level first.'));
      return;
    }
    const newest = names.sort().pop();
    download(new Blob([FS.readFile(folder + '/' + newest)], { type: 'text/plain' }), newest);
    say(() => fill(Tr('page', 'The replay is in %s: anyone with the same levels can watch it (Open a replay).'), newest));
  }

  // A free name in the replays folder for an opened file.
  function replayPath(folder, name) {
    const base = (name.replace(/\.replay$/, '').replace(/[^A-Za-z0-9._-]/g, '_') || 'opened').slice(0, 80);
    let path = folder + '/' + base + '.replay';
    for (let again = 2; FS.analyzePath(path).exists; ++again)
      path = folder + '/' + base + '-' + again + '.replay';
    return path;
  }

  function openReplay(folder, file, store) {
    if (file.size > kLargestReplay) {
      say(() => fill(Tr('page', 'Not opened: %s is larger than a replay can be.'), file.name));
      return;
    }
    file.text().then(function (text) {
      if (!text.startsWith('tobrakka-replay ')) {
        say(() => fill(Tr('page', 'Not opened: %s is not a Tobrakka replay.'), file.name));
        return;
      }
      FS.mkdirTree(folder);
      FS.writeFile(replayPath(folder, file.name), text);
      store();
      say(() => Tr('page', 'Replay added: Replays in the main menu lists it.'));
    }, function (error) {
      say(() => fill(Tr('page', 'Not opened: %s cannot be read (%s).'), file.name, error));
    });
  }

  // Takes the file a file input was given, once.
  function onFile(input, take) {
    input.addEventListener('change', function () {
      if (input.files.length)
        take(input.files[0]);
      input.value = '';
    });
  }

  return {
    // The bar's buttons: the player's folder, the replays folder in it, how the page says a
    // line, and how it keeps the player's files in the browser.
    wire: function (playerFolder, replaysFolder, sayLine, store) {
      root = playerFolder;
      say = sayLine;
      const loadInput = document.getElementById('loadfile');
      const replayInput = document.getElementById('replayfile');
      document.getElementById('save').addEventListener('click', save);
      document.getElementById('load').addEventListener('click', function () { loadInput.click(); });
      document.getElementById('openreplay').addEventListener('click', function () { replayInput.click(); });
      document.getElementById('savereplay').addEventListener('click', function () { saveNewestReplay(replaysFolder); });
      onFile(loadInput, load);
      onFile(replayInput, function (file) { openReplay(replaysFolder, file, store); });
    },
    // For the page test: the save's text, and reading one (an Error's message when refused).
    saveText: saveText,
    check: function (text) {
      try {
        return Object.keys(readSave(text)).length + ' files';
      } catch (error) {
        return error.message;
      }
    },
  };
})();
