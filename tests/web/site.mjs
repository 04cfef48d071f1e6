// The site as a person uses it, for the scenarios and the bench: the page opened with the
// stand-ins, files opened and saved, and an operation driven through its questions, the module
// PIN and its messages to its end. The controls are found by the ids the page gives them
// (web/README.md).
import {mkdirSync, readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {Page} from './chromium.mjs';
import {kBuild, standIn} from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const filePicker = readFileSync(join(here, 'file_picker_standin.js'), 'utf8');

export const kReady = `document.getElementById('app').getAttribute('aria-busy') === 'false'`;

const kDialogs = `(() => {
    const $ = (id) => document.getElementById(id);
    const progress = $('progress');
    return {
        ask: $('ask').open ? {line1: $('ask-line1').textContent, line2: $('ask-line2').textContent,
                              question: !$('ask-no').hidden} : null,
        pin: $('pin-dialog').open,
        progress: progress.open,
        ended: progress.open && !$('progress-repeat').hidden && !$('progress-repeat').disabled &&
               !$('progress-close').disabled,
    };
})()`;

export class Site {
    // A fresh page on the site with the serial port bridged to module and the save dialog
    // replaced; resolves once the page is ready to edit.
    static async open(browser, url, module) {
        const scripts = [filePicker];
        if (module) scripts.unshift(standIn(module.bridgeUrl));
        const page = await Page.open(browser, {scripts});
        await page.send('Page.setInterceptFileChooserDialog', {enabled: true});
        await page.goto(url);
        await page.waitUntil(kReady, 30000, 'the page ready to edit');
        return new Site(page);
    }

    constructor(page) {
        this.page = page;
    }

    showPage(n) {
        return this.page.click(`#tab-${n}`);
    }

    // "Odczytaj" answered in the browser's file chooser with path.
    async openFile(path) {
        await this.showPage(1);
        const chooser = this.page.browser.waitFor((m, p, s) => m === 'Page.fileChooserOpened' &&
            s === this.page.sessionId, 10000, 'the file chooser');
        await this.page.click('#btn-open');
        const {params} = await chooser;
        await this.page.send('DOM.setFileInputFiles', {files: [path], backendNodeId: params.backendNodeId});
    }

    // "Zapisz jako": the bytes of the file the page wrote.
    async saveAs() {
        const before = await this.page.eval('__filePickerStandIn.saved.length');
        await this.showPage(1);
        await this.page.click('#btn-save-as');
        await this.page.waitUntil(`__filePickerStandIn.saved.length > ${before}`, 10000, 'the saved file');
        return Buffer.from(await this.page.eval('__filePickerStandIn.files[__filePickerStandIn.saved.at(-1)]'));
    }

    // Types text into the field, as keys would (replacing what it holds).
    async type(selector, text) {
        // A field of a page not shown is shown first, as a person would reach it.
        const pageId = await this.page.eval(`document.querySelector(${JSON.stringify(selector)}).closest('.page')?.id ?? ''`);
        if (pageId) await this.showPage(Number(pageId.replace('page-', '')));
        await this.page.click(selector);
        await this.page.eval(`document.querySelector(${JSON.stringify(selector)}).select()`);
        await this.page.send('Input.insertText', {text});
    }

    dialogs() {
        return this.page.eval(kDialogs);
    }

    // Clicks a button of the question dialog ('ok' or 'no'), once it is open.
    async answer(button) {
        await this.page.waitUntil(`document.getElementById('ask').open`, 30000, 'the question');
        const {ask} = await this.dialogs();
        await this.page.click(`#ask-${button}`);
        return ask;
    }

    // Starts the operation of the button (program, compare, read) and answers whatever it asks:
    // the offer to save with offer ('no', 'ok'), the module PIN with pin, each message with
    // "OK"; resolves at the operation's end, the progress window still open, with the messages
    // shown and the log's lines.
    // Without a button, it follows an operation already started (by "Powtórz").
    async operate(button, {offer = 'no', pin = null, timeoutMs = 120000} = {}) {
        if (button) {
            await this.showPage(8);
            await this.page.click(`#btn-${button}`);
        }
        const messages = [];
        const end = Date.now() + timeoutMs;
        for (;;) {
            const d = await this.dialogs();
            if (d.pin) {
                if (pin === null) throw new Error('the module PIN was asked');
                await this.type('#pin-input', pin);
                await this.page.click('#pin-ok');
                await this.page.waitUntil(`!document.getElementById('pin-dialog').open`, 10000);
            } else if (d.ask) {
                await this.page.click(d.ask.question ? `#ask-${offer}` : '#ask-ok');
                if (!d.ask.question) messages.push([d.ask.line1, d.ask.line2].filter(Boolean).join(' '));
                await this.page.waitUntil(`!document.getElementById('ask').open`, 10000);
            } else if (d.ended) {
                return {messages, log: await this.log()};
            }
            if (Date.now() > end) throw new Error(`${button}: no end within ${timeoutMs} ms: ${(await this.log()).join(' / ')}`);
            await new Promise((r) => setTimeout(r, 20));
        }
    }

    // Closes the progress window; after "Programuj" the offer to print follows and is declined.
    async closeProgress(program = false) {
        await this.page.click('#progress-close');
        await this.page.waitUntil(`!document.getElementById('progress').open`, 10000, 'the progress window closed');
        if (program) await this.answer('no');
    }

    // A picture of the page as it stands, to look at (BUILD/web-screenshots/NAME.png).
    async shot(name) {
        const dir = join(kBuild, 'web-screenshots');
        mkdirSync(dir, {recursive: true});
        await this.page.screenshot(join(dir, `${name}.png`));
    }

    log() {
        return this.page.eval(`[...document.getElementById('progress-log').children].map((e) => e.textContent)`);
    }

    value(key) {
        return this.page.eval(`document.getElementById(${JSON.stringify('set-' + key)}).value`);
    }

    serialRecord() {
        return this.page.eval('__serialStandIn.record');
    }

    close() {
        return this.page.close();
    }
}
