// The site in chromium against the simulated module, one scenario per flow, each checked by what
// the CLI makes of the same settings: the module's memory, the files, the compare's lines.
import assert from 'node:assert/strict';
import {existsSync, mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {after, afterEach, before, test} from 'node:test';

import {Chromium} from './chromium.mjs';
import {cli, Module, removeScratch, scratch, serveStatic} from './harness.mjs';
import {kReady, Site} from './site.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '../..');
const siteDir = process.env.BRENVOX_SITE || join(root, 'build-web/site');

// Settings away from the defaults on several pages: SIM, an input slot with a Polish comment,
// the SMS limits, a periodic event, and a module PIN that a read must be given.
const kSettings = {
    PIN: '1234', MODPIN: '4321', SMSC: '+48602951111',
    INP31C: 'Czujka w kuchni, Łąkowa 5', INP31F: 1, INP31P: '+48601234567', INP31S: 'Alarm w domu',
    INP41F: 2, INP41P: '+48601234568', SMSMAX: 12, RINGCNT: 3, TESTMSB: 12,
    TEST1TYPE: 1, TEST1PHONE: '+48601234567', TEST1SMS: 'Test okresowy',
};
const kModulePin = '4321';

let dir, server, browser, site, module;
const files = {};  // what the CLI wrote: settings (S), the same with another SIM PIN, new, read
let programmed;     // the module's memory after `brenvox-cli program S`
let programLines;   // what that program printed

async function cliOk(args) {
    const r = await cli(args);
    assert.equal(r.code, 0, `brenvox-cli ${args.join(' ')}: ${r.stdout}${r.stderr}`);
    return r.stdout;
}

// The lines of a log or of the CLI's output; the page shows an empty line as a no-break space.
function lines(text) {
    return (Array.isArray(text) ? text : text.trimEnd().split('\n')).map((l) => l.replace(/^\u00a0$/, ''));
}

async function importSettings(name, values) {
    writeFileSync(join(dir, `${name}.json`), JSON.stringify(values));
    files[name] = join(dir, name);
    await cliOk(['import', join(dir, `${name}.json`), '-o', files[name]]);
}

before(async () => {
    assert.ok(existsSync(join(siteDir, 'index.html')), `no site in ${siteDir}: make web`);
    dir = scratch('site');
    await importSettings('settings', kSettings);
    await importSettings('otherPin', {...kSettings, PIN: '9999'});
    files.new = join(dir, 'new');
    await cliOk(['new', files.new]);
    mkdirSync(join(dir, 'cli'));
    const m = await Module.start(join(dir, 'cli'));
    try {
        programLines = lines(await cliOk(['program', files.settings, '--device', m.device]));
    } finally {
        await m.stop();
    }
    programmed = m.memory();
    writeFileSync(join(dir, 'programmed.bin'), programmed);
    server = await serveStatic(siteDir);
    browser = await Chromium.launch({lang: 'pl'});
});

after(async () => {
    await browser?.close();
    await server?.close();
    if (dir) removeScratch(dir);
});

// A module of its own for each scenario: blank, or holding what the CLI programmed.
async function startModule(name, memory) {
    const d = join(dir, name);
    mkdirSync(d);
    return Module.start(d, memory ? ['--memory', join(dir, 'programmed.bin')] : []);
}

afterEach(async () => {
    try {
        if (site) {
            assert.ok(site.page.requests.some((r) => r.url === `${server.url}brenvox.wasm`), 'the watch saw the page');
            assert.deepEqual(site.page.foreignRequests(), [], 'every request of the page stays on this machine');
            assert.deepEqual(site.page.errors, [], 'no exception in the page');
        }
    } finally {
        await site?.close();
        await module?.stop();
        site = module = null;
    }
});

test('Programuj writes the module byte for byte as brenvox-cli program, the file saved as the CLI wrote it',
    {timeout: 180000}, async () => {
        module = await startModule('program', false);
        site = await Site.open(browser, server.url, module);
        await site.openFile(files.settings);
        assert.deepEqual(await site.saveAs(), readFileSync(files.settings));
        const {log} = await site.operate('program', {offer: 'no'});
        assert.deepEqual(lines(log), programLines, 'the progress log as the CLI prints it');
        await site.shot('pl-programmed');
        await site.closeProgress(true);
        assert.deepEqual(module.memory(), programmed);
        // The port as the link opens it: 115200 8N1 without flow control, DTR and RTS raised.
        const record = await site.serialRecord();
        assert.deepEqual(record.opens, [{baudRate: 115200, dataBits: 8, stopBits: 1, parity: 'none',
            bufferSize: 255, flowControl: 'none'}]);
        assert.deepEqual(record.signals[0], {dataTerminalReady: true, requestToSend: true});
        // The service worker's requests are watched too (checked for leaving this machine after
        // each scenario).
        await site.page.waitUntil(`navigator.serviceWorker.getRegistration().then((g) => g?.active?.state === 'activated')`,
            30000, 'the service worker');
        assert.ok(site.page.requests.some((r) => r.session !== site.page.sessionId), 'the watch saw the service worker');
    });

test('Porównanie finds the module equal, then lists the changed SIM PIN as the CLI does', {timeout: 180000}, async () => {
    module = await startModule('compare', true);
    site = await Site.open(browser, server.url, module);
    await site.openFile(files.settings);
    const equal = await site.operate('compare');
    assert.deepEqual(equal.messages, ['Ustawienia w programie i module jednakowe.']);
    await site.closeProgress();

    await site.type('#set-PIN', '9999');
    assert.deepEqual(await site.saveAs(), readFileSync(files.otherPin), 'the edited settings saved as the CLI imports them');
    const differ = await site.operate('compare', {pin: kModulePin});
    await site.shot('pl-compared');
    await site.closeProgress();
    const expected = await cli(['compare', '--report', '--pin', kModulePin, files.otherPin, '--device', module.device]);
    assert.equal(expected.code, 1);
    assert.ok(expected.stdout.includes('Czterocyfrowy kod PIN karty SIM: "9999" -> "1234"'), expected.stdout);
    assert.deepEqual(lines(differ.log), lines(expected.stdout));
});

test('Odczyt with the module PIN loads the module\'s settings, saved as brenvox-cli read writes them',
    {timeout: 180000}, async () => {
        module = await startModule('read', true);
        const cliRead = join(dir, 'read-by-cli');
        await cliOk(['read', '--pin', kModulePin, '-o', cliRead, '--device', module.device]);
        site = await Site.open(browser, server.url, module);
        assert.deepEqual(await site.saveAs(), readFileSync(files.new), '"Nowy" settings saved as brenvox-cli new');
        const {messages} = await site.operate('read', {pin: kModulePin});
        assert.deepEqual(messages, ['Ustawienia z modułu odczytane i zdekodowane.']);
        await site.closeProgress();
        assert.equal(await site.value('SMSC'), kSettings.SMSC);
        assert.deepEqual(await site.saveAs(), readFileSync(cliRead));
    });

test('A failed check, and Escape on the offer to save before Programuj, send nothing', {timeout: 60000}, async () => {
    module = await startModule('escape', false);
    site = await Site.open(browser, server.url, module);
    // The runner checks the settings before anything else: the first failure's one message, and
    // no progress window.
    await site.type('#set-PIN', '12');
    await site.showPage(8);
    await site.page.click('#btn-compare');
    const refused = await site.answer('ok');
    assert.deepEqual([refused.line1, refused.line2, refused.question],
                     ['Niewłaściwy kod PIN karty SIM.', 'Kod PIN powinien składać się z 4 cyfr.', false]);
    await site.page.waitUntil(`!document.getElementById('ask').open`, 10000, 'the message closed');
    assert.equal(await site.page.eval(`document.getElementById('progress').open`), false);
    await site.type('#set-PIN', '1234');
    await site.showPage(8);
    await site.page.click('#btn-program');
    await site.page.waitUntil(`document.getElementById('ask').open`, 10000, 'the offer to save');
    await site.page.press('Escape', 'Escape', 27);
    await site.page.waitUntil(`!document.getElementById('ask').open`, 10000, 'the offer closed');
    // Long enough for a transfer to have opened the port and woken the module.
    await new Promise((r) => setTimeout(r, 1000));
    assert.equal(await site.page.eval(`document.getElementById('progress').open`), false);
    const record = await site.serialRecord();
    assert.equal(record.opens.length, 0);
    assert.equal(record.bytesOut, 0);
    assert.deepEqual(module.framesReceived(), []);
});

// Every text of the English catalogue: Polish source -> English.
function catalogue() {
    const ts = readFileSync(join(root, 'translations/brenvox_en.ts'), 'utf8');
    const unescape = (s) => s.replace(/&quot;/g, '"').replace(/&apos;/g, '\'').replace(/&lt;/g, '<')
        .replace(/&gt;/g, '>').replace(/&amp;/g, '&');
    const pairs = new Map();
    for (const m of ts.matchAll(/<source>([^<]*)<\/source>[\s\S]*?<translation[^>]*>([^<]*)<\/translation>/g)) {
        const [pl, en] = [unescape(m[1]).trim(), unescape(m[2]).trim()];
        if (pl && en && pl !== en) pairs.set(pl, en);
    }
    return pairs;
}

// Every text the page's window and dialogs hold, shown or not (all eight pages, every list).
const kTexts = `[...document.querySelectorAll('#window *, dialog *')].flatMap((e) =>
    [...e.childNodes].filter((n) => n.nodeType === Node.TEXT_NODE).map((n) => n.textContent.trim()))
    .filter((t) => t)`;

test('the page speaks Polish, and English when the browser asks for it', {timeout: 120000}, async () => {
    const pairs = catalogue();
    const english = new Set(pairs.values());
    const en = await Chromium.launch({lang: 'en-US'});
    try {
        for (const [lang, b] of [['pl', browser], ['en', en]]) {
            site = await Site.open(b, server.url, null);
            await site.page.send('Emulation.setDeviceMetricsOverride', {width: 900, height: 480, deviceScaleFactor: 1,
                mobile: false});
            const texts = await site.page.eval(kTexts);
            const tab1 = await site.page.eval(`document.getElementById('tab-1').textContent`);
            if (lang === 'pl') {
                assert.equal(tab1, '1.Pliki');
                assert.deepEqual(texts.filter((t) => english.has(t) && !pairs.has(t)), [], 'no English in the Polish page');
            } else {
                assert.equal(tab1, pairs.get('1.Pliki'));
                assert.deepEqual(texts.filter((t) => pairs.has(t)), [], 'no Polish left in the English page');
            }
            for (const n of [1, 3, 8]) {
                await site.showPage(n);
                await site.shot(`${lang}-page${n}`);
            }
            assert.deepEqual(site.page.foreignRequests(), []);
            await site.close();
            site = null;
        }
    } finally {
        await en.close();
    }
});

// Last, as it ends the server: once opened, the page works with the web server gone (the service
// worker's copies), as an installer's laptop on a site without a network needs it.
test('the page opens again with the web server gone', {timeout: 60000}, async () => {
    site = await Site.open(browser, server.url, null);
    await site.page.waitUntil(`navigator.serviceWorker.getRegistration().then((g) => g?.active?.state === 'activated')`,
        30000, 'the service worker');
    await server.close();
    await site.page.goto(server.url);
    await site.page.waitUntil(kReady, 30000, 'the page ready to edit without its server');
    assert.equal(await site.page.eval(`document.getElementById('tab-1').textContent`), '1.Pliki');
});
