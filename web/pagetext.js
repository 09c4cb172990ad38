// The page's own words in the player's language: the bar, the notes under the picture, the
// shared-level question. Their translations come from the game's po/LANG.po files, which the
// web build turns into pagecatalogue.js (window.PageCatalogue: a language's code -> its
// translations by place and English text, "place\u0004English"). Until the game speaks, the
// page speaks the first of the browser's languages that the game has, by the game's rule (the
// same language in another country counts); once the game has read its settings it tells the
// page the language it speaks (Module.onLanguage), and the page follows it, also when the
// player changes it in Options. A message without a translation stays English.
'use strict';

const PageText = (function () {
  const kCodes = ['en', 'fr', 'de', 'es', 'pt_BR', 'pl', 'ja'];
  let speaking = 'en';
  const listeners = [];

  // "fr-CA", "pt-BR", "de" as the game's code, or null for a language it does not speak.
  function codeOfLocale(locale) {
    const parts = String(locale).split(/[.@]/)[0].split(/[-_]/);
    const language = parts[0].toLowerCase();
    const exact = parts.length > 1 ? language + '_' + parts[1].toUpperCase() : language;
    return kCodes.find(code => code === exact) || kCodes.find(code => code.split('_')[0] === language) || null;
  }

  function browserLanguage() {
    const locales = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ''];
    for (const locale of locales) {
      const code = codeOfLocale(locale);
      if (code)
        return code;
    }
    return 'en';
  }

  function catalogue() {
    return (window.PageCatalogue || {})[speaking] || {};
  }

  // The message's translation at the place, or its English.
  function Tr(place, english) {
    return catalogue()[place + '\u0004' + english] || english;
  }

  // The text with each "%s" in turn replaced by the next value.
  function fill(text, ...values) {
    let next = 0;
    return text.replace(/%s/g, () => (next < values.length ? String(values[next++]) : '%s'));
  }

  function speak(code) {
    const chosen = kCodes.includes(code) ? code : 'en';
    if (chosen === speaking && document.documentElement.lang)
      return;
    speaking = chosen;
    document.documentElement.lang = chosen.replace('_', '-');
    for (const listener of listeners)
      listener();
  }

  return {
    Tr: Tr,
    fill: fill,
    codeOfLocale: codeOfLocale,
    speaking: function () { return speaking; },
    // Letters the page now and again each time the language changes.
    onChange: function (letter) {
      listeners.push(letter);
      letter();
    },
    speakTheBrowsers: function () { speak(browserLanguage()); },
    speak: speak,
  };
})();
